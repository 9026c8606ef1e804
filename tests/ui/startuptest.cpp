// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <stdexcept>

#include "composition/composer.h"
#include "mainwindowtestsupport.h"
#include "pages/previewdocument.h"
#include "print/printerdiscovery.h"
#include "print/printergeometry.h"
#include "print/printerselection.h"
#include "support/scriptedrandom.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/messages.h"

namespace kazenori {
namespace {

// A press and release delivered through the application, as a user's click
// is, so that errors meet the application's handler.
void UserClick(QWidget& widget) {
  const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
  const QPointF global = widget.mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &press);
  QCoreApplication::sendEvent(&widget, &release);
}

class StartupTest : public testing::UiTest {
 protected:
  ColourWordDialog colourWordDialog_;
};

TEST_F(StartupTest, StartUpPutsTheDocumentOnThePrintersPaperAndStartsTheCycleAtOne) {
  MainWindow window(colourWordDialog_);
  window.printerDiscovery().Wait();
  EXPECT_EQ(window.preview()->parent(), &window);
  EXPECT_EQ(window.preview()->PagePaper(), window.printerSettings()->PagePaper());
  EXPECT_EQ(window.previewDialog(), nullptr);
  EXPECT_EQ(window.printNumber(), 1);
  EXPECT_EQ(window.zeroSetting(), ZeroSetting::Refused);
  EXPECT_TRUE(window.selection().Empty());
}

TEST_F(StartupTest, TheGivenRandomSourceIsTheOneUsed) {
  auto scripted = std::make_unique<testing::ScriptedRandom>();
  testing::ScriptedRandom* draws = scripted.get();
  MainWindow window(colourWordDialog_, std::move(scripted));
  EXPECT_EQ(&window.random(), draws);
}

TEST_F(StartupTest, FirstShowFixesTheGeometryOnceAndCentresTheWindow) {
  MainWindow window(colourWordDialog_);
  window.show();
  window.printerDiscovery().Wait();
  const PageGeometry first = window.pageGeometry();
  EXPECT_GT(first.width, 0);
  EXPECT_GT(first.height, 0);
  EXPECT_EQ(first, PrinterPageGeometry(*window.printerSettings()));
  const QRect area = window.screen()->availableGeometry();
  EXPECT_EQ(window.frameGeometry().center(), area.center());
  window.hide();
  window.show();
  EXPECT_EQ(window.pageGeometry(), first);
}

// Unasked, the printers are asked for once the window is drawn, and their
// page is the one the window composes on.
TEST_F(StartupTest, ThePrintersAreAskedForOnceTheWindowIsDrawn) {
  MainWindow window(colourWordDialog_);
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (window.pageGeometry() == DesignPaperGeometry() && waited.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_FALSE(window.pageGeometry() == DesignPaperGeometry());
  EXPECT_EQ(window.pageGeometry(), PrinterPageGeometry(*window.printerSettings()));
}

TEST_F(StartupTest, AnEscapedErrorIsShownAndTheWindowStaysUsable) {
  MainWindow window(colourWordDialog_);
  window.show();
  RecordingMessages messages;
  ScopedMessages scope(messages);
  window.patternBox(7)->setChecked(true);
  window.printNumberEdit()->setText(QStringLiteral("7a"));
  UserClick(*window.previewButton());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("'7a' は整数ではありません"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Kazenori"));
  EXPECT_FALSE(window.preview()->IsRecorded());
  EXPECT_EQ(window.printNumberEdit()->text(), QStringLiteral("7a"));
  EXPECT_EQ(window.selection().Count(), 1);

  // Nothing is lost: the window still answers its controls.
  UserClick(*window.clearButton());
  EXPECT_TRUE(window.selection().Empty());
  EXPECT_EQ(messages.shown.size(), 1u);
}

// Qt's own dialogs speak the program's language: the print dialog's buttons.
TEST_F(StartupTest, ThePrintDialogIsJapanese) {
  ASSERT_TRUE(testing::TestApp<Application>().qtJapaneseLoaded());
  QPrinter printer;
  QPrintDialog dialog(&printer);
  QStringList captions;
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) captions << button->text();
  const QString all = captions.join(u'|');
  for (const char* caption : {"印刷", "キャンセル", "オプション"})
    EXPECT_TRUE(all.contains(QString::fromUtf8(caption))) << caption << " in " << all.toStdString();
}

// An object whose event handler fails, as a handler without a guard would.
class FailingReceiver : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("受け手の故障");
    if (e->type() == QEvent::User + 1) throw 42;
    return QObject::event(e);
  }
};

TEST_F(StartupTest, ErrorsOfAnyKindReachTheHandler) {
  RecordingMessages messages;
  ScopedMessages scope(messages);
  FailingReceiver receiver;
  QEvent failing(QEvent::User);
  EXPECT_TRUE(QCoreApplication::sendEvent(&receiver, &failing));
  QEvent strange(static_cast<QEvent::Type>(QEvent::User + 1));
  QCoreApplication::sendEvent(&receiver, &strange);

  // A fault of the program itself is named as one, in Japanese.
  try {
    throw std::logic_error("MakeProblem: x");
  } catch (...) {
    Application::reportCurrentException();
  }

  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("受け手の故障"));
  EXPECT_FALSE(messages.shown[1].text.isEmpty());
  EXPECT_EQ(messages.shown[2].text,
            QStringLiteral("プログラムの内部エラーです（MakeProblem: x）。"));
  for (const Message& m : messages.shown) EXPECT_EQ(m.icon, MessageIcon::Error);
}

}  // namespace
}  // namespace kazenori
