// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KazenoriApplication.h"

#include <QLibraryInfo>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <exception>
#include <stdexcept>

#include "preview/Messages.h"

namespace kazenori {

namespace {

// Fusion on every desktop, so that the fixed pixel layout of the windows
// looks the same everywhere, with the check mark and radio mark as close to
// their captions as on the desktop the layout was drawn for.
class CompactStyle : public QProxyStyle {
 public:
  CompactStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing) return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

  // Group boxes as the layout was drawn for: the frame runs through the
  // middle of the caption, so the first row of boxes, a caption's height
  // below the top, stands clear inside the frame.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control != CC_GroupBox) return rect;
    const int half = option->fontMetrics.height() / 2;
    if (sub == SC_GroupBoxFrame) return rect.adjusted(0, -half, 0, 0);
    if (sub == SC_GroupBoxLabel) return rect.translated(kCaptionIndent, 0);
    return rect;
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || box->text.isEmpty()) {
      QProxyStyle::drawComplexControl(control, option, painter, widget);
      return;
    }
    QStyleOptionGroupBox frame(*box);
    frame.subControls = box->subControls & SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &frame, painter, widget);
    const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->fillRect(label.adjusted(-2, 0, 2, 0), box->palette.window());
    QStyleOptionGroupBox caption(*box);
    caption.subControls = box->subControls & ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &caption, painter, widget);
  }

 private:
  static constexpr int kCaptionIndent = 6;
};

}  // namespace

KazenoriApplication::KazenoriApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Kazenori"));
  setStyle(new CompactStyle);
  // The whole interface is Japanese, whatever the desktop's language: Qt's
  // print and file dialogs too.
  qtJapaneseLoaded_ = qtJapanese_.load(QStringLiteral("qtbase_ja"),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (qtJapaneseLoaded_) installTranslator(&qtJapanese_);
}

bool KazenoriApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportCurrentException();
  }
  return true;
}

void KazenoriApplication::ReportCurrentException() {
  try {
    throw;
  } catch (const std::logic_error& error) {
    // A fault of the program, not of the teacher's input: its text is for a
    // bug report, so it comes after a Japanese word of what happened.
    ReportError(
        QStringLiteral("プログラムの内部エラーです（%1）。").arg(QString::fromUtf8(error.what())));
  } catch (const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("不明なエラーが発生しました。"));
  }
}

void KazenoriApplication::ReportError(const QString& text) {
  Messages::Current().Error(text, QStringLiteral("Kazenori"));
}

}  // namespace kazenori
