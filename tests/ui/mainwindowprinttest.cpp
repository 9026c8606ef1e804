// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <tuple>

#include <cups/cups.h>

#include "mainwindowtestsupport.h"
#include "pages/previewdocument.h"
#include "print/printerdiscovery.h"
#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/pagecapture.h"
#include "support/silentprintserver.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/messages.h"
#include "ui/previewdialogfixture.h"
#include "ui/radiogroup.h"
#include "ui/remakedialog.h"

namespace kazenori {
namespace {

// The preview command end to end: a worksheet of pattern 7 with print number
// 7, shown in the modal preview dialog, printed from there into a CUPS queue.
class MainWindowPrintTest : public testing::UiTest {
 protected:
  // Presses "プレビュー" and runs `inDialog` inside the modal preview dialog,
  // which is closed afterwards whatever happened. The first event after the
  // press comes when the dialog waits in its own exec(): by then the page is
  // shown, as nothing on the way there lets events through.
  void PreviewAnd(const std::function<void(PreviewDialog&)>& inDialog,
                  QAbstractButton* press = nullptr) {
    bool ran = false;
    QTimer::singleShot(0, &mainWindow_, [&] {
      PreviewDialog* dialog = mainWindow_.previewDialog();
      ASSERT_NE(dialog, nullptr) << "the preview dialog is not open";
      const auto close = qScopeGuard([dialog] { dialog->closeButton()->click(); });
      ASSERT_TRUE(dialog->isVisible());
      ASSERT_TRUE(dialog->printButton()->isEnabled()) << "the page is not shown yet";
      ran = true;
      dialog->setQuestions(&questions_);
      // Jobs are named after their sheets; a test that finds its own job's
      // output by name gives it a name of its own.
      if (!jobTitle_.isEmpty()) mainWindow_.preview()->SetSheetsTitle(jobTitle_);
      inDialog(*dialog);
    });
    (press ? press : mainWindow_.previewButton())->click();
    EXPECT_TRUE(ran);
  }

  // Prints through the dialog's print button, choosing `queue` and `choice`
  // in the print dialog.
  void Print(PreviewDialog& dialog, const QString& queue, const PrintChoice& choice) {
    questions_.print = [queue, choice](QPrinter& printer, const PageOffer&) {
      printer.setPrinterName(queue);
      return choice;
    };
    testing::PrintAndWait(dialog);
  }

  // The document's jobs go by a title of their own; earlier output under it is removed.
  QString TitleJobs(const char* name) {
    QString title = testing::JobTitle(name);
    testing::RemoveOutputs(dir_, title);
    jobTitle_ = title;
    return title;
  }

  void SetUp() override {
    // The press must find the printers known: waiting for them would let the
    // probe below run before the dialog opens.
    mainWindow_.printerDiscovery().Wait();
    mainWindow_.show();
    mainWindow_.patternBox(7)->setChecked(true);
    mainWindow_.printNumberEdit()->setText(QStringLiteral("7"));
  }

  ColourWordDialog colourWordDialog_;
  MainWindow mainWindow_{colourWordDialog_};
  testing::AnsweredQuestions questions_;
  const QString dir_ = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  QString jobTitle_;
};

// This thread's CUPS client uses a print server that never answers, from before
// the window or the dialog asks it anything; what the window says once it
// knows is kept in `startMessages`.
struct SilentPrintServerInUse {
  SilentPrintServerInUse() { cupsSetServer(server.Address().c_str()); }
  ~SilentPrintServerInUse() { cupsSetServer(nullptr); }
  QString SilentText() const {
    return QStringLiteral("印刷サーバー %1 が応答しないので印刷できません．　　")
        .arg(QString::fromStdString(server.Address()));
  }
  testing::SilentPrintServer server;
  RecordingMessages startMessages;
  ScopedMessages startScope{startMessages};
};

class MainWindowSilentServerTest : public SilentPrintServerInUse, public MainWindowPrintTest {};

TEST_F(MainWindowSilentServerTest, PrintingSaysThePrintServerDidNotAnswerAndLeavesTheNumber) {
  ASSERT_TRUE(server.Listening());
  EXPECT_EQ(mainWindow_.printerSettings()->PrinterCount(), 0);
  ASSERT_EQ(startMessages.shown.size(), 1u);
  EXPECT_EQ(startMessages.shown[0].text, SilentText());
  RecordingMessages messages;
  ScopedMessages scope(messages);
  PreviewAnd([](PreviewDialog& dialog) { dialog.printButton()->click(); });
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, SilentText());
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("7"));
}

class MainWindowSilentStartTest : public SilentPrintServerInUse, public testing::UiTest {
 protected:
  ColourWordDialog colourWordDialog_;
};

// A preview asked for while the printers are still asked of a server that
// never answers: the window says so once, then composes it on the design paper.
TEST_F(MainWindowSilentStartTest, APendingPreviewIsToldOnceAndComposedOnTheDesignPaper) {
  ASSERT_TRUE(server.Listening());
  MainWindow window(colourWordDialog_);
  window.show();
  window.patternBox(7)->setChecked(true);
  bool previewShown = false;
  QTimer::singleShot(0, &window, [&] { testing::CloseTheNextModal(window, previewShown); });
  window.previewButton()->click();
  EXPECT_FALSE(window.printerDiscovery().IsFinished());
  EXPECT_TRUE(QTest::qWaitFor([&] { return previewShown; }, 20000));
  ASSERT_EQ(startMessages.shown.size(), 1u);
  EXPECT_EQ(startMessages.shown[0].text, SilentText());
  EXPECT_EQ(window.printerSettings()->PrinterCount(), 0);
  EXPECT_TRUE(window.pageGeometry().fromDesignPaper);
  EXPECT_TRUE(window.preview()->IsRecorded());
  EXPECT_EQ(window.preview()->PagePaper(), DesignPaper());
}

TEST_F(MainWindowPrintTest, PreviewAloneLeavesTheNumber) {
  int pages = 0;
  PreviewAnd([&](PreviewDialog& dialog) {
    pages = mainWindow_.preview()->PageCount();
    EXPECT_FALSE(mainWindow_.preview()->PagePaper().name.isEmpty());
    EXPECT_EQ(dialog.pageStatus()->text(),
              QStringLiteral(" Page  1/2  ") + mainWindow_.preview()->PagePaper().name);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷プレビュー"));
  });
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("7"));
  EXPECT_EQ(mainWindow_.previewDialog(), nullptr);
}

TEST_F(MainWindowPrintTest, PrintingBothPagesAdvancesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString title = TitleJobs("mainwindow-both");
  PreviewAnd([&](PreviewDialog& dialog) {
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
    EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("8"));
    // Printing keeps the page the user was on and restores the saved printer.
    EXPECT_EQ(dialog.currentPage(), 1);
    EXPECT_TRUE(dialog.printButton()->isEnabled());
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("8"));
  const QString pdf = testing::WaitForOutput(dir_, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no job output in " << dir_.toStdString();
  EXPECT_EQ(testing::PdfPageCount(pdf), 2);
  EXPECT_TRUE(testing::PdfText(pdf, 1).contains(QStringLiteral("問題No.7")));
}

// A saved PDF is a print for later: the number moves as printing both pages
// would, once per save; a save that fails moves nothing.
TEST_F(MainWindowPrintTest, SavingThePdfAdvancesTheNumberAsPrintingBothPages) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RecordingMessages messages;
  ScopedMessages scope(messages);
  PreviewAnd([&](PreviewDialog& dialog) {
    questions_.pdfPath = [&](const QString&) { return dir.filePath(QStringLiteral("a.pdf")); };
    dialog.pdfButton()->click();
    EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("8"));
    EXPECT_EQ(testing::PdfInfo(dir.filePath(QStringLiteral("a.pdf")), QStringLiteral("Title")),
              QStringLiteral("プリントNo.7"));
    questions_.pdfPath = [&](const QString&) { return dir.filePath(QStringLiteral("no/a.pdf")); };
    dialog.pdfButton()->click();
    EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("8"));
  });
  EXPECT_EQ(messages.shown.size(), 1u);
}

// The window's paper is the preview's and the printer's, set again for every
// preview: a B4 sheet shows and prints on B4, and the next A4 sheet on A4, or
// on a printer without A4, on that printer's own paper.
TEST_F(MainWindowPrintTest, EachPreviewPutsThePrinterOnTheChosenPaper) {
  QString letter;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_LETTER_QUEUE", letter);
  PrinterSelection& printers = *mainWindow_.printerSettings();
  const QString first = printers.PrinterName();
  const struct {
    QString printer;
    int paper;  // 用紙's item
    QPageSize::PageSizeId size;
    int height;
  } rows[] = {
      {first, 2, QPageSize::JisB4, 3640},  {first, 0, QPageSize::A4, 2970},
      {letter, 2, QPageSize::JisB4, 3640}, {letter, 0, QPageSize::Letter, 2794},
      {letter, 1, QPageSize::JisB5, 2570}, {letter, 0, QPageSize::Letter, 2794},
  };
  for (const auto& row : rows) {
    if (printers.PrinterName() != row.printer) printers.SelectPrinter(row.printer);
    mainWindow_.paperChoice()->setCurrentIndex(row.paper);
    PreviewAnd([&](PreviewDialog&) {
      EXPECT_EQ(printers.PageSizeId(), row.size) << row.printer.toStdString() << " " << row.paper;
      EXPECT_NEAR(mainWindow_.preview()->PagePaper().height, row.height, 10);
    });
  }
}

TEST_F(MainWindowPrintTest, PrintingOnePageLeavesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  mainWindow_.preview()->SetTitle(testing::JobTitle("mainwindow-one"));
  PreviewAnd([&](PreviewDialog& dialog) {
    dialog.nextPageButton()->click();
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::Pages, 2, 2});
    EXPECT_EQ(dialog.currentPage(), 2);
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("7"));
}

TEST_F(MainWindowPrintTest, ACancelledPrintDialogPrintsNothing) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PreviewAnd([&](PreviewDialog& dialog) { Print(dialog, queue, PrintChoice{}); });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("7"));
}

TEST_F(MainWindowPrintTest, TheBonusSheetIsOnePageAndItsPrintAdvancesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  mainWindow_.clearButton()->click();
  mainWindow_.bonusGroup()->button(1)->click();
  colourWordDialog_.colourCountGroup()->button(3)->click();
  colourWordDialog_.wordCountGroup()->button(1)->click();
  colourWordDialog_.okButton()->click();
  mainWindow_.preview()->SetTitle(testing::JobTitle("mainwindow-bonus"));
  int pages = 0;
  PreviewAnd([&](PreviewDialog& dialog) {
    pages = mainWindow_.preview()->PageCount();
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
  });
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("8"));
}

// A print returns once CUPS has the job, named after its sheet, whose pages
// count at once; the window follows the job after the preview has closed. A
// job that fails is told in a box and takes the number back, unless a later
// print has moved it since; one that completes is told in the status line.
TEST_F(MainWindowPrintTest, TheWindowFollowsAJobAfterThePreviewCloses) {
  QString late, fine;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_LATEFAIL_QUEUE", late);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", fine);
  const int n = 800000000 + static_cast<int>(QCoreApplication::applicationPid() % 1000000);
  const auto number = [&](int k) { return QString::number(n + k); };
  mainWindow_.printNumberEdit()->setText(number(0));
  RecordingMessages messages;
  ScopedMessages scope(messages);
  const auto all = PrintChoice{true, PrintChoice::Range::All, 0, 0};
  PreviewAnd([&](PreviewDialog& dialog) {
    Print(dialog, late, all);
    EXPECT_EQ(mainWindow_.printNumberEdit()->text(), number(1));
    EXPECT_EQ(testing::ActiveJobs(late, QStringLiteral("プリントNo.") + number(0)).size(), 1u);
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 30000));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタ「%1」で印刷できませんでした。\n印刷ジョブが中止されました: "
                           "kazenori test: this printer fails late")
                .arg(late));
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), number(0));

  PreviewAnd([&](PreviewDialog& dialog) {
    Print(dialog, late, all);
    Print(dialog, fine, all);
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), number(3)) << "each printed page counts";
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return messages.shown.size() == 2 && !mainWindow_.statusLine()->text().isEmpty(); },
      30000));
  EXPECT_EQ(mainWindow_.statusLine()->text(),
            QStringLiteral("印刷しました: プリンタ「%1」、2ページ").arg(fine));
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), number(3)) << "a later print moved it";
}

// A grid sheet, chosen over the ticked pattern, is two pages printed through
// CUPS with its cells' rules; printed whole, it moves the number on by one.
TEST_F(MainWindowPrintTest, TheGridSheetPrintsBothPagesAndAdvancesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  mainWindow_.gridChoice()->setCurrentIndex(3);
  const QString title = TitleJobs("mainwindow-grid");
  PreviewAnd([&](PreviewDialog& dialog) {
    EXPECT_EQ(mainWindow_.preview()->PageCount(), 2);
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("8"));
  const QString pdf = testing::WaitForOutput(dir_, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no job output in " << dir_.toStdString();
  EXPECT_EQ(testing::PdfPageCount(pdf), 2);
  EXPECT_TRUE(testing::PdfText(pdf, 1).contains(QStringLiteral("5回目")));
}

// Every text run of a page with its place, as a pupil sees the page.
QStringList Runs(const PreviewDocument& document, int page) {
  QStringList runs;
  for (const auto& t : testing::CaptureText(document.ComposedPage(page, PageUse::Screen))) {
    runs << QStringLiteral("%1 @%2,%3").arg(t.text).arg(t.origin.x()).arg(t.origin.y());
  }
  return runs;
}

// The page's text as read; a line of the sheet may be several runs.
QString Read(const QStringList& runs) {
  QString text;
  for (const QString& run : runs) text += run.section(QStringLiteral(" @"), 0, 0);
  return text;
}

QString CodeOn(const QStringList& runs) {
  static const QRegularExpression code(QStringLiteral("再作成コード ([0-9A-Z-]+)"));
  return code.match(Read(runs)).captured(1);
}

// A class set: different sheets numbered on, one document, printed as one job;
// then one of them made again from the code on its page.
TEST_F(MainWindowPrintTest, AClassSetPrintsAsOneAndEachSheetIsMadeAgainFromItsCode) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString title = TitleJobs("mainwindow-class-set");
  for (const int pattern : {8, 9, 30}) mainWindow_.patternBox(pattern)->setChecked(true);
  mainWindow_.sheetCountBox()->setValue(3);
  std::vector<QStringList> pages;
  PreviewAnd([&](PreviewDialog& dialog) {
    ASSERT_EQ(mainWindow_.preview()->PageCount(), 6);
    for (int p = 1; p <= 6; ++p) {
      dialog.showPage(p);
      EXPECT_EQ(dialog.remarkStatus()->text(),
                QStringLiteral("%1枚目 %2").arg((p + 1) / 2).arg(p % 2 ? "問題" : "解答"));
      pages.push_back(Runs(*mainWindow_.preview(), p));
    }
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("10"));
  ASSERT_EQ(pages.size(), 6u);
  for (std::size_t k = 0; k < 3; ++k) {
    const QString number = QStringLiteral("問題No.%1（").arg(7 + k);
    EXPECT_TRUE(Read(pages[2 * k]).startsWith(number)) << k;
    EXPECT_TRUE(Read(pages[2 * k + 1]).startsWith(number)) << k;
    EXPECT_FALSE(CodeOn(pages[2 * k]).isEmpty());
    EXPECT_EQ(CodeOn(pages[2 * k]), CodeOn(pages[2 * k + 1]));
  }
  EXPECT_NE(pages[0].mid(4), pages[2].mid(4));
  EXPECT_NE(pages[2].mid(4), pages[4].mid(4));
  const QString pdf = testing::WaitForOutput(dir_, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no job output in " << dir_.toStdString();
  ASSERT_EQ(testing::PdfPageCount(pdf), 6);
  EXPECT_TRUE(testing::PdfText(pdf, 6).contains(QStringLiteral("問題No.9")));
  EXPECT_TRUE(testing::PdfText(pdf, 3).contains(CodeOn(pages[2])));

  // Sheet 2 again, through the dialog; saving it leaves the number where the set left it.
  mainWindow_.clearButton()->click();
  mainWindow_.remakeButton()->click();
  RemakeDialog* remake = mainWindow_.remakeDialog();
  ASSERT_NE(remake, nullptr);
  EXPECT_TRUE(remake->isVisible());
  remake->codeEdit()->setText(CodeOn(pages[2]).toLower());
  QTemporaryDir saved;
  PreviewAnd(
      [&](PreviewDialog& dialog) {
        ASSERT_EQ(mainWindow_.preview()->PageCount(), 2);
        EXPECT_EQ(Runs(*mainWindow_.preview(), 1), pages[2]);
        EXPECT_EQ(Runs(*mainWindow_.preview(), 2), pages[3]);
        questions_.pdfPath = [&](const QString&) {
          return saved.filePath(QStringLiteral("a.pdf"));
        };
        dialog.pdfButton()->click();
      },
      remake->okButton());
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("10"));

  RecordingMessages messages;
  ScopedMessages scope(messages);
  mainWindow_.remake(CodeOn(pages[2]).chopped(1));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("再作成"));
  EXPECT_TRUE(
      messages.shown[0].text.startsWith(QStringLiteral("再作成コードが正しくありません。")));
}

// A sheet prints on its paper or not at all: a printer without it is told
// before anything is sent, whatever paper the print dialog was left at.
TEST_F(MainWindowPrintTest, ASheetPrintsOnItsPaperOrNotAtAll) {
  QString noB4, queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_NOB4_QUEUE", noB4);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  mainWindow_.paperChoice()->setCurrentIndex(2);
  const QString title = TitleJobs("mainwindow-b4");
  RecordingMessages messages;
  ScopedMessages scope(messages);
  auto all = PrintChoice{true, PrintChoice::Range::All, 0, 0};
  PreviewAnd([&](PreviewDialog& dialog) {
    Print(dialog, noB4, all);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("プリンタ「%1」にはB4の用紙がありません。B4のプリントは、ほかの用紙"
                             "では切れてしまいます。印刷しませんでした。")
                  .arg(noB4));
    EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("7"));
    questions_.print = [&](QPrinter& printer, const PageOffer&) {
      printer.setPrinterName(queue);
      printer.setPageSize(QPageSize(QPageSize::A4));
      return all;
    };
    testing::PrintAndWait(dialog);
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("8"));
  const QString pdf = testing::WaitForOutput(dir_, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no job output in " << dir_.toStdString();
  EXPECT_NEAR(testing::PdfPageSize(pdf).height(), 1031.8, 3) << "B4, not the dialog's A4";
}

// An A4 sheet laid out on one printer's A4 is not sent to a printer whose own
// paper stands in for A4 (Letter is 18 mm shorter): its foot would be cut off.
TEST_F(MainWindowPrintTest, AnA4SheetIsNotCutOffOnAnotherPrintersPaper) {
  QString queue, letter;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_LETTER_QUEUE", letter);
  mainWindow_.printerSettings()->SelectPrinter(queue);
  RecordingMessages messages;
  ScopedMessages scope(messages);
  PreviewAnd([&](PreviewDialog& dialog) {
    Print(dialog, letter, PrintChoice{true, PrintChoice::Range::All, 0, 0});
    ASSERT_EQ(messages.shown.size(), 1u);
    const QString said = messages.shown[0].text;
    EXPECT_TRUE(said.startsWith(QStringLiteral("プリンタ「%1」の用紙「").arg(letter)) &&
                said.endsWith(QStringLiteral("印刷しませんでした。")))
        << said.toStdString();
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("7"));
}

// A paper of ours chosen in the preview's printer setup is the window's
// paper: the same sheets are made again on it (their code naming it), not
// stretched onto it, as they are on the paper of a printer without A4. Any
// other paper leaves them on theirs, and says so.
TEST_F(MainWindowPrintTest, ThePrinterSetupsPaperMakesTheSheetsAgainOnIt) {
  QString queue, letter;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_LETTER_QUEUE", letter);
  mainWindow_.printerSettings()->SelectPrinter(queue);
  RecordingMessages messages;
  ScopedMessages scope(messages);
  const struct {
    const QString& printer;
    QPageSize::PageSizeId chosen;
    PaperSize paper;  // 用紙
    QPageSize::PageSizeId printed;
    const char* said;
  } rows[] = {
      {queue, QPageSize::JisB4, PaperSize::B4, QPageSize::JisB4, nullptr},
      {queue, QPageSize::A5, PaperSize::B4, QPageSize::JisB4,
       "プリントの用紙はA4、B5、B4から選べます。「A5」には合わせられないので、用紙はB4のままです"
       "。"},
      {queue, QPageSize::JisB5, PaperSize::B5, QPageSize::JisB5, nullptr},
      {queue, QPageSize::A4, PaperSize::A4, QPageSize::A4, nullptr},
      {letter, QPageSize::A4, PaperSize::A4, QPageSize::Letter, nullptr},
  };
  PreviewAnd([&](PreviewDialog& dialog) {
    const PreviewDocument& doc = *mainWindow_.preview();
    const QStringList before = Runs(doc, 1);
    for (const auto& row : rows) {
      messages.shown.clear();
      questions_.setup = [&](QPrinter& printer) {
        printer.setPrinterName(row.printer);
        printer.setPageSize(QPageSize(row.chosen));
        return true;
      };
      dialog.printerSetupButton()->click();
      const char* name = PaperName(row.paper);
      EXPECT_EQ(mainWindow_.paperChoice()->currentText(), QLatin1String(name)) << name;
      EXPECT_EQ(mainWindow_.printerSettings()->PageSizeId(), row.printed) << name;
      EXPECT_EQ(doc.PagePaper(), mainWindow_.printerSettings()->PagePaper()) << name;
      EXPECT_EQ(doc.Page(1)->Size(), QSizeF(doc.PagePaper().width, doc.PagePaper().height));
      const QStringList runs = Runs(doc, 1);
      EXPECT_EQ(Read(runs).remove(CodeOn(runs)), Read(before).remove(CodeOn(before))) << name;
      EXPECT_EQ(CodeOn(runs) == CodeOn(before), row.paper == PaperSize::A4) << name;
      ASSERT_EQ(messages.shown.size(), row.said ? 1u : 0u) << name;
      if (row.said) {
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(row.said));
      }
    }
  });
  EXPECT_EQ(mainWindow_.printNumberEdit()->text(), QStringLiteral("7"));
}

}  // namespace
}  // namespace kazenori
