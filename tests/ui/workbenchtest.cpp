// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window a teacher comes back to: what it remembers, the school years,
// small screens, screen readers and dark themes.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "generation/patterngrades.h"
#include "mainwindowtestsupport.h"
#include "pages/previewdocument.h"
#include "print/printerdiscovery.h"
#include "support/pagecapture.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/patternboxgrid.h"
#include "ui/previewdialogfixture.h"
#include "ui/radiogroup.h"
#include "ui/windowsettings.h"

namespace kazenori {
namespace {

std::vector<int> Sorted(std::vector<int> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// A window that keeps its settings in a folder of its own, never the user's.
class WorkbenchTest : public testing::UiTest {
 protected:
  WorkbenchTest() { window_->rememberIn(file_); }

  // Closes the program and starts it again on the same settings.
  void Restart() {
    window_ = std::make_unique<MainWindow>(dialog_);
    window_->rememberIn(file_);
  }

  // Runs `inDialog` in the preview that `open` opens, then closes it.
  void InPreview(const std::function<void()>& open,
                 const std::function<void(PreviewDialog&)>& inDialog) {
    window_->printerDiscovery().Wait();
    window_->show();
    bool ran = false;
    QTimer::singleShot(0, window_.get(), [&] {
      PreviewDialog* dialog = window_->previewDialog();
      ASSERT_NE(dialog, nullptr) << "the preview dialog is not open";
      const auto close = qScopeGuard([dialog] { dialog->closeButton()->click(); });
      dialog->setQuestions(&questions_);
      ran = true;
      inDialog(*dialog);
    });
    open();
    EXPECT_TRUE(ran);
  }

  // Every page's text, as a pupil reads it.
  QStringList PreviewText() const {
    QStringList text;
    for (int page = 1; page <= window_->preview()->PageCount(); ++page) {
      for (const auto& t :
           testing::CaptureText(window_->preview()->ComposedPage(page, PageUse::Screen))) {
        text << t.text;
      }
    }
    return text;
  }

  void WriteFile(const QByteArray& bytes) {
    QFile f(file_);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

  QTemporaryDir folder_;
  const QString file_ = folder_.filePath(QStringLiteral("kazenori.ini"));
  ColourWordDialog dialog_;
  std::unique_ptr<MainWindow> window_ = std::make_unique<MainWindow>(dialog_);
  testing::AnsweredQuestions questions_;
};

TEST_F(WorkbenchTest, EverythingIsAsLeftAfterARestart) {
  for (int n : {15, 7, 120}) window_->patternBox(n)->setChecked(true);
  window_->zeroGroup()->button(1)->click();
  window_->blankGroup()->button(2)->click();
  window_->instructionEdit()->setText(QStringLiteral("よく見て計算しましょう。"));
  window_->sheetCountBox()->setValue(36);
  window_->printNumberEdit()->setText(QStringLiteral("7"));
  for (QAction* chosen :
       {window_->problemsAction(20), window_->redAnswersAction(), window_->scoreAction()}) {
    chosen->trigger();
  }
  window_->paperChoice()->setCurrentIndex(2);
  const SheetOptions before = window_->options();
  Restart();
  const SheetOptions after = window_->options();
  EXPECT_EQ(after.patterns, (std::vector<int>{15, 7, 120}));
  EXPECT_EQ(after.zero, before.zero);
  EXPECT_EQ(after.blank, before.blank);
  EXPECT_EQ(after.instruction, std::string("よく見て計算しましょう。"));
  EXPECT_EQ(after.printNumber, 7);
  EXPECT_EQ(window_->sheetCountBox()->value(), 36);
  EXPECT_TRUE(window_->statusLine()->text().isEmpty());
  EXPECT_EQ(after.problems, 20);
  EXPECT_TRUE(after.redAnswers);
  EXPECT_TRUE(after.score);
  EXPECT_EQ(after.paper, PaperSize::B4);
}

// The grid comes back resting the patterns it rests; a file from before the
// grid sheet has none.
TEST_F(WorkbenchTest, TheGridChoiceIsAsLeftAfterARestart) {
  window_->patternBox(7)->setChecked(true);
  window_->gridChoice()->setCurrentIndex(3);
  window_->gridSizeChoice()->setCurrentIndex(1);
  Restart();
  EXPECT_EQ(window_->options().grid, GridOp::Mul);
  EXPECT_EQ(window_->options().gridSize, 5);
  EXPECT_FALSE(window_->patternBox(7)->isEnabled());
  WriteFile("[General]\nformat=1\npatterns=7\n");
  Restart();
  EXPECT_EQ(window_->options().grid, GridOp::None);
  EXPECT_TRUE(window_->patternBox(7)->isEnabled());
}

TEST_F(WorkbenchTest, ResetGivesTheFirstStartAndKeepsIt) {
  const QPixmap firstStart = window_->grab();
  window_->patternBox(3)->setChecked(true);
  window_->hideGroup()->button(1)->click();
  window_->printNumberEdit()->setText(QStringLiteral("12"));
  window_->resetToFirstStart();
  Restart();
  EXPECT_TRUE(window_->selection().Empty());
  EXPECT_EQ(window_->printNumberEdit()->text(), QStringLiteral("1"));
  EXPECT_EQ(window_->grab().toImage(), firstStart.toImage());
}

TEST_F(WorkbenchTest, ADamagedOrNewerFileIsLeftAloneWithANote) {
  const struct {
    QByteArray bytes;
    QString note;
  } rows[] = {
      {QByteArray("\x00\xff[[patterns=\x01", 14), QStringLiteral("壊れている")},
      {"[General]\nformat=1\npatterns=7, x\n", QStringLiteral("壊れている")},
      {"[General]\nformat=1\nsheets=500\n", QStringLiteral("壊れている")},
      {"[General]\nformat=2\npatterns=7\n", QStringLiteral("新しい版")},
  };
  for (const auto& row : rows) {
    WriteFile(row.bytes);
    Restart();
    EXPECT_TRUE(window_->selection().Empty()) << row.bytes.toStdString();
    EXPECT_TRUE(window_->statusLine()->text().contains(row.note)) << row.bytes.toStdString();
  }
}

// A set brings back its ticks and options, never an earlier print number.
TEST_F(WorkbenchTest, NamedSetsAreKeptRenamedAndRemoved) {
  const QString name = QStringLiteral("3年1組 朝学習");
  for (int n : {18, 17}) window_->patternBox(n)->setChecked(true);
  window_->hideGroup()->button(2)->click();
  window_->saveSet(name);
  window_->resetToFirstStart();
  window_->printNumberEdit()->setText(QStringLiteral("9"));
  Restart();
  EXPECT_EQ(window_->setNames(), QStringList{name});
  ASSERT_TRUE(window_->restoreSet(name));
  EXPECT_EQ(window_->selection().Patterns(), (std::vector<int>{18, 17}));
  EXPECT_EQ(window_->hideGroup()->itemIndex(), 2);
  EXPECT_EQ(window_->printNumberEdit()->text(), QStringLiteral("9"));
  ASSERT_TRUE(window_->renameSet(name, QStringLiteral("朝学習")));
  EXPECT_EQ(window_->setNames(), QStringList{QStringLiteral("朝学習")});
  EXPECT_FALSE(window_->restoreSet(name));
  window_->removeSet(QStringLiteral("朝学習"));
  EXPECT_TRUE(window_->setNames().isEmpty());
}

// A class set saved as PDF is listed with its numbers, patterns and codes,
// still after a restart, and made again from the list as it first was; a
// preview only looked at is not listed.
TEST_F(WorkbenchTest, RecentSheetsAreListedAndMadeAgain) {
  QTemporaryDir saved;
  questions_.pdfPath = [&](const QString&) { return saved.filePath(QStringLiteral("set.pdf")); };
  for (int n : {9, 8}) window_->patternBox(n)->setChecked(true);
  window_->sheetCountBox()->setValue(3);
  window_->printNumberEdit()->setText(QStringLiteral("7"));
  InPreview([&] { window_->previewButton()->click(); }, [](PreviewDialog&) {});
  EXPECT_TRUE(window_->recentSheets().empty());
  QStringList made;
  InPreview([&] { window_->previewButton()->click(); },
            [&](PreviewDialog& d) {
              made = PreviewText();
              d.pdfButton()->click();
            });
  Restart();
  const std::vector<RecentSheets> recent = window_->recentSheets();
  ASSERT_EQ(recent.size(), 1u);
  EXPECT_EQ(recent[0].first, 7);
  EXPECT_EQ(recent[0].last, 9);
  EXPECT_EQ(recent[0].patterns, (std::vector<int>{9, 8}));
  EXPECT_EQ(recent[0].codes.size(), 3);
  emit window_->recentMenu()->aboutToShow();
  QAction* entry = window_->recentMenu()->actions().value(0);
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->text().contains(QStringLiteral("No.7–9（3枚）　9, 8")))
      << entry->text().toStdString();
  window_->clearButton()->click();
  InPreview([&] { entry->trigger(); },
            [&](PreviewDialog& d) {
              EXPECT_EQ(PreviewText(), made);
              d.pdfButton()->click();
            });
  EXPECT_EQ(window_->printNumberEdit()->text(), QStringLiteral("10"));
  EXPECT_EQ(window_->recentSheets().size(), 1u) << "the same sheets are listed once";
  EXPECT_FALSE(window_->remakeRecent(1));
}

TEST_F(WorkbenchTest, TheRecentListKeepsTheNewestAndTheSettings) {
  for (int k = 1; k <= kRecentLimit + 2; ++k) {
    AddRecent(file_, {QDateTime::currentDateTime(), k, k, {1}, {}, {QString::number(k)}});
  }
  const std::vector<RecentSheets> recent = LoadRecent(file_);
  ASSERT_EQ(recent.size(), static_cast<std::size_t>(kRecentLimit));
  EXPECT_EQ(recent.front().first, kRecentLimit + 2);
  EXPECT_EQ(recent.back().first, 3);
  Restart();
  EXPECT_TRUE(window_->statusLine()->text().isEmpty());
}

TEST_F(WorkbenchTest, AYearTicksItsPatternsOnly) {
  window_->patternBox(57)->setChecked(true);
  for (int grade = kFirstGrade; grade <= kLastGrade; ++grade) {
    emit window_->gradeChoice()->activated(grade);
    EXPECT_EQ(Sorted(window_->selection().Patterns()), PatternsOfGrade(grade)) << grade;
  }
  Restart();
  EXPECT_EQ(Sorted(window_->selection().Patterns()), PatternsOfGrade(kLastGrade));
}

// The tip names the year and poses a problem of the pattern's own kind, the
// same one each time.
TEST_F(WorkbenchTest, ToolTipsShowTheYearAndAnExample) {
  const struct {
    int pattern;
    QString sign;
  } rows[] = {{1, "＋"}, {2, "－"}, {15, "×"}, {17, "÷"}, {58, "."}, {57, ":"}, {88, "×"}};
  for (const auto& row : rows) {
    QCheckBox* box = window_->patternBox(row.pattern);
    QHelpEvent ask(QEvent::ToolTip, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &ask);
    const QString tip = box->toolTip();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("%1年").arg(GradeOf(row.pattern).grade)))
        << tip.toStdString();
    const QString example = tip.section(QStringLiteral("例: "), 1);
    EXPECT_TRUE(example.contains(row.sign)) << tip.toStdString();
    EXPECT_EQ(tip.contains(QStringLiteral("発展")), GradeOf(row.pattern).enrichment);
    EXPECT_EQ(PatternToolTip(row.pattern), tip);
  }
}

TEST_F(WorkbenchTest, EveryControlHasANameForScreenReaders) {
  window_->show();
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window_.get())) continue;
    // A spin box speaks for the line edit inside it.
    if (qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << w->metaObject()->className();
  }
}

// Tab goes through the controls as they stand, top to bottom, left to right.
TEST_F(WorkbenchTest, TabFollowsTheScreen) {
  window_->show();
  const std::vector<QWidget*> expected{
      window_->gridChoice(),    window_->gridSizeChoice(),  window_->paperChoice(),
      window_->gradeChoice(),   window_->settingsButton(),  window_->patternBox(1),
      window_->previewButton(), window_->instructionEdit(), window_->sheetCountBox(),
      window_->remakeButton(),  window_->closeButton(),     window_->gridChoice()};
  std::vector<QWidget*> visited;
  QWidget* focus = window_->gridChoice();
  for (int step = 0; step < 400 && visited.size() < expected.size(); ++step) {
    if (std::find(expected.begin(), expected.end(), focus) != expected.end() &&
        (visited.empty() || visited.back() != focus)) {
      visited.push_back(focus);
    }
    focus = focus->nextInFocusChain();
  }
  EXPECT_EQ(visited, expected);
}

// A school laptop with large text: the window fits its screen and every
// control can be scrolled to; a large screen shows the window as drawn.
TEST_F(WorkbenchTest, TheWindowFitsASmallScreenWithLargeText) {
  const QFont usual = QApplication::font();
  QFont larger = usual;
  larger.setPointSizeF(usual.pointSizeF() * 1.5);
  QApplication::setFont(larger);
  const auto restore = qScopeGuard([&] { QApplication::setFont(usual); });
  MainWindow large(dialog_);
  const QSize designed = large.size();
  const QRect laptop(0, 0, 1366, 728);
  large.fitInto(laptop);
  large.show();
  EXPECT_LE(large.width(), laptop.width());
  EXPECT_LE(large.height(), laptop.height() - 30);
  for (QWidget* control : std::initializer_list<QWidget*>{
           large.closeButton(), large.previewButton(), large.instructionEdit(),
           large.sheetCountBox(), large.remakeButton(), large.patternBox(104)}) {
    large.contentArea()->ensureWidgetVisible(control);
    const QRect shown(control->mapTo(&large, QPoint()), control->size());
    EXPECT_TRUE(large.rect().contains(shown)) << control->metaObject()->className();
  }
  large.fitInto(QRect(0, 0, 2560, 1440));
  EXPECT_EQ(large.size(), designed);
  EXPECT_EQ(large.minimumSize(), large.maximumSize());
}

// The blue captions and the navy title stay readable on a dark theme too.
TEST_F(WorkbenchTest, ColouredCaptionsKeepTheirContrast) {
  const QPalette usual = QApplication::palette();
  const auto restore = qScopeGuard([&] { QApplication::setPalette(usual); });
  for (const QColor background :
       {QColor(240, 240, 240), QColor(255, 255, 255), QColor(53, 53, 53), QColor(30, 30, 30)}) {
    QPalette themed = usual;
    themed.setColor(QPalette::Window, background);
    QApplication::setPalette(themed);
    MainWindow themedWindow(dialog_);
    for (QWidget* w : {static_cast<QWidget*>(themedWindow.patternBox(88)),
                       static_cast<QWidget*>(themedWindow.patternBox(104))}) {
      const QColor caption = w->palette().color(QPalette::WindowText);
      EXPECT_GE(ContrastRatio(caption, background), 4.5) << background.name().toStdString();
      // A light theme keeps the blue as it always was.
      if (background.lightness() > 200) {
        EXPECT_EQ(caption, QColor(Qt::blue));
      }
    }
    for (QLabel* label : themedWindow.findChildren<QLabel*>()) {
      if (label->text() != QStringLiteral("Kazenori")) continue;
      EXPECT_GE(ContrastRatio(label->palette().color(QPalette::WindowText), background), 4.5);
    }
  }
}

}  // namespace
}  // namespace kazenori
