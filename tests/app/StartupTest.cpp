// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <stdexcept>

#include "MainWindowTestSupport.h"
#include "app/Fmain.h"
#include "composition/Fcolor.h"
#include "composition/composer.h"
#include "preview/Messages.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/ScriptedRandom.h"

namespace kazenori {
namespace {

const ::testing::Environment* const kAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::MainWindowTestEnvironment);

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

class StartupTest : public testing::WithTestApp, public ::testing::Test {
 protected:
  TFrmColor frmColor;
};

TEST_F(StartupTest, FormCreateLinksTheComponentsAndStartsTheCycleAtOne) {
  TForm1 form(frmColor);
  EXPECT_EQ(form.plPrev1->plSetPrinter(), form.plSetPrinter1);
  EXPECT_EQ(form.plPrev1->parent(), &form);
  EXPECT_EQ(form.plSetPrinter1->parent(), &form);
  EXPECT_EQ(form.PrintNumber(), 1);
  EXPECT_EQ(form.ZeroAllowed(), 0);
  EXPECT_TRUE(form.Selection().Empty());
  // Printing a page goes through the worksheet preview's print handler to the edit.
  ASSERT_TRUE(form.plPrev1->OnPrint);
  form.plPrev1->OnPrint(form.plPrev1, 1);
  EXPECT_EQ(form.PrintNumber(), 2);
  EXPECT_EQ(form.edtPrintNum->text(), QStringLiteral("2"));
}

TEST_F(StartupTest, TheGivenRandomSourceIsTheOneUsed) {
  auto scripted = std::make_unique<testing::ScriptedRandom>();
  testing::ScriptedRandom* draws = scripted.get();
  TForm1 form(frmColor, std::move(scripted));
  EXPECT_EQ(&form.Rnd(), draws);
}

TEST_F(StartupTest, FormShowFixesTheGeometryOnceAndCentresTheWindow) {
  TForm1 form(frmColor);
  form.show();
  const PageGeometry first = form.Geometry();
  EXPECT_GT(first.width, 0);
  EXPECT_GT(first.height, 0);
  EXPECT_EQ(first, FormShowGeometry(*form.plSetPrinter1, *form.plPrev1));
  const QRect area = form.screen()->availableGeometry();
  EXPECT_EQ(form.frameGeometry().center(), area.center());
  form.hide();
  form.show();
  EXPECT_EQ(form.Geometry(), first);
}

TEST_F(StartupTest, AnEscapedErrorIsShownAndTheWindowStaysUsable) {
  if (!testing::TestApp()) GTEST_SKIP() << "another test created a plain QApplication";
  TForm1 form(frmColor);
  form.show();
  RecordingMessages messages;
  ScopedMessages scope(messages);
  form.CheckBoxes[7]->setChecked(true);
  form.edtPrintNum->setText(QStringLiteral("7a"));
  UserClick(*form.btnPreview);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("'7a' は整数ではありません"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Kazenori"));
  EXPECT_FALSE(form.plPrev1->DocumentRecorded());
  EXPECT_EQ(form.edtPrintNum->text(), QStringLiteral("7a"));
  EXPECT_EQ(form.Selection().Count(), 1);

  // Nothing is lost: the window still answers its controls.
  UserClick(*form.btnAllPatClear);
  EXPECT_TRUE(form.Selection().Empty());
  EXPECT_EQ(messages.shown.size(), 1u);
}

// Qt's own dialogs speak the program's language: the print dialog's buttons.
TEST_F(StartupTest, ThePrintDialogIsJapanese) {
  if (!testing::TestApp()) GTEST_SKIP() << "another test created a plain QApplication";
  ASSERT_TRUE(testing::TestApp()->QtJapaneseLoaded());
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
  if (!testing::TestApp()) GTEST_SKIP() << "another test created a plain QApplication";
  RecordingMessages messages;
  ScopedMessages scope(messages);
  QPushButton button;
  int calls = 0;
  QObject::connect(&button, &QPushButton::clicked, Guarded([&calls] {
    ++calls;
    throw std::runtime_error("故障");
  }));
  button.click();
  button.click();
  EXPECT_EQ(calls, 2);

  FailingReceiver receiver;
  QEvent failing(QEvent::User);
  EXPECT_TRUE(QCoreApplication::sendEvent(&receiver, &failing));
  QEvent strange(static_cast<QEvent::Type>(QEvent::User + 1));
  QCoreApplication::sendEvent(&receiver, &strange);

  // A fault of the program itself is named as one, in Japanese.
  Guarded([] { throw std::logic_error("MakeQData: x"); })();

  ASSERT_EQ(messages.shown.size(), 5u);
  EXPECT_EQ(messages.shown[4].text, QStringLiteral("プログラムの内部エラーです（MakeQData: x）。"));
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("故障"));
  EXPECT_EQ(messages.shown[1].text, QStringLiteral("故障"));
  EXPECT_EQ(messages.shown[2].text, QStringLiteral("受け手の故障"));
  EXPECT_FALSE(messages.shown[3].text.isEmpty());
  for (const Message& m : messages.shown) EXPECT_EQ(m.icon, MessageIcon::Error);
}

}  // namespace
}  // namespace kazenori
