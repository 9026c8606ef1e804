#include "app/KazenoriApplication.h"

#include <QProxyStyle>
#include <QStyleFactory>
#include <exception>

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
};

}  // namespace

KazenoriApplication::KazenoriApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Kazenori"));
  setStyle(new CompactStyle);
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
