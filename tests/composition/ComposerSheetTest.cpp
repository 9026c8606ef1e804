// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QString>

#include <stdexcept>
#include <vector>

#include "composition/PrintNumber.h"
#include "composition/WorksheetComposer.h"
#include "pages/previewdocument.h"
#include "support/QtApp.h"
#include "support/scriptedrandom.h"
#include "ui/messages.h"

namespace kazenori {
namespace {

using Kind = TextOperation::Kind;

PageGeometry A2000x2870() {
  PageGeometry g;
  g.left = 40;
  g.top = 30;
  g.width = 2000;
  g.height = 2870;
  return g;
}

SheetOptions Options(std::initializer_list<int> patterns, const char* number = "7") {
  SheetOptions o;
  for (int p : patterns) o.selection.SetTicked(p, true);
  o.printNumberText = QString::fromUtf8(number);
  o.instruction = QStringLiteral("次の計算をしましょう。");
  return o;
}

class ComposerSheet : public ::testing::Test {
 protected:
  // The application must exist before the document is constructed.
  struct App {
    App() { testing::EnsureQtApp(); }
  } app_;

  // The page header: four operations at the top of each page.
  void ExpectHeader(int page, int number) {
    const auto& ops = doc.TextOperations(page);
    ASSERT_GE(ops.size(), 4u);
    const PageGeometry g = A2000x2870();
    EXPECT_EQ(ops[0].kind, Kind::Left);
    EXPECT_EQ(ops[0].text, "問題No." + QString::number(number));
    EXPECT_EQ(QPoint(ops[0].x, ops[0].y), QPoint(g.left + 50, g.top + 50));
    EXPECT_EQ(ops[0].fontHeight, 30);
    EXPECT_EQ(ops[1].kind, Kind::Right);
    EXPECT_EQ(ops[1].text, "（　　　　　　　　　　　）");
    EXPECT_EQ(QPoint(ops[1].x, ops[1].y), QPoint(g.left + 2000 - 50, g.top + 70));
    EXPECT_EQ(ops[1].fontHeight, 80);
    EXPECT_EQ(ops[2].kind, Kind::Left);
    EXPECT_EQ(ops[2].text, "次の計算をしましょう。");
    EXPECT_EQ(QPoint(ops[2].x, ops[2].y), QPoint(g.left + 50, g.top + 170));
    EXPECT_EQ(ops[2].fontHeight, 60);
    EXPECT_EQ(ops[3].kind, Kind::LeftMid);
    EXPECT_EQ(ops[3].text, "月　　日　（　　）　　分　　秒");
    EXPECT_EQ(QPoint(ops[3].x, ops[3].y), QPoint(g.left + 100, g.top + 300));
    EXPECT_EQ(ops[3].fontHeight, 40);
    for (const TextOperation& op : ops) {
      EXPECT_FALSE(op.bold);
      EXPECT_EQ(op.colour, QColor(Qt::black));
      EXPECT_EQ(op.family, QStringLiteral("ＭＳ ゴシック"));
    }
  }

  PreviewDocument doc;
  RecordingMessages messages;
  SeededRandom rnd{20261208};
  WorksheetComposer composer{doc, rnd, messages, A2000x2870()};
};

TEST_F(ComposerSheet, QuestionAndAnswerPagesOfDivisionsWithRemainders) {
  ASSERT_TRUE(composer.Compose(Options({18})));
  ASSERT_EQ(doc.PageCount(), 2);
  ExpectHeader(1, 7);
  ExpectHeader(2, 7);
  const auto& q = doc.TextOperations(1);
  const auto& a = doc.TextOperations(2);
  ASSERT_EQ(q.size(), 4u + 50);
  ASSERT_EQ(a.size(), 4u + 50);
  const PageGeometry g = A2000x2870();
  const struct {
    int i;
    QPoint at;
  } places[] = {
      {1, {g.left + 150, g.top + 350 + 148}}, {16, {g.left + 150, g.top + 350 + 16 * 148}},
      {17, {g.left + 760, g.top + 350}},      {33, {g.left + 760, g.top + 350 + 16 * 148}},
      {34, {g.left + 1370, g.top + 350}},     {50, {g.left + 1370, g.top + 350 + 16 * 148}}};
  ASSERT_EQ(composer.Sheets().size(), 1u);
  const ComposedSheet& sheet = composer.Sheets()[0];
  for (const auto& p : places) {
    const TextOperation& question = q[static_cast<std::size_t>(3 + p.i)];
    const TextOperation& answer = a[static_cast<std::size_t>(3 + p.i)];
    EXPECT_EQ(QPoint(question.x, question.y), p.at) << p.i;
    EXPECT_EQ(QPoint(answer.x, answer.y), p.at) << p.i;
    EXPECT_EQ(question.kind, Kind::Left);
    EXPECT_EQ(question.fontHeight, 60);
    EXPECT_EQ(answer.fontHeight, 60);
  }
  int remainders = 0;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer.Problems().At(i);
    const QString question = q[static_cast<std::size_t>(3 + i)].text;
    const QString answer = a[static_cast<std::size_t>(3 + i)].text;
    EXPECT_EQ(question.toStdString(), sheet.questions[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(sheet.patterns[static_cast<std::size_t>(i - 1)], 18);
    ASSERT_EQ(rec.op, Operation::kDiv);
    ASSERT_NE(rec.valB, 0);
    const int r = rec.valA % rec.valB;
    EXPECT_TRUE(
        question.startsWith(QString::number(rec.valA) + "÷" + QString::number(rec.valB) + "＝"))
        << question.toStdString();
    QString expected = QString::number(rec.valA) + "÷" + QString::number(rec.valB) + "＝" +
                       QString::number(rec.valA / rec.valB);
    if (r != 0) {
      expected += " … " + QString::number(r);
      ++remainders;
      EXPECT_TRUE(question.endsWith("＝   … ")) << question.toStdString();
    }
    EXPECT_EQ(answer, expected);
  }
  EXPECT_GT(remainders, 0);
}

TEST_F(ComposerSheet, PrintNumberCycle) {
  std::vector<QString> shown;
  composer.OnPrintNumberChanged = [&](const QString& t) { shown.push_back(t); };
  ASSERT_TRUE(composer.Compose(Options({7})));
  EXPECT_EQ(composer.PrintNumber().Value(), 6) << "lowered after the answer page's header";
  composer.plPrev1Print(&doc, 1);
  EXPECT_EQ(composer.PrintNumber().Value(), 7) << "one page printed";
  composer.plPrev1Print(&doc, 2);
  EXPECT_EQ(shown, (std::vector<QString>{"7", "8"}));

  // Three sheets in one document: 5, 6, 7; printing all six pages leaves 8.
  ASSERT_TRUE(composer.Compose(Options({7}, "5"), 3));
  ASSERT_EQ(doc.PageCount(), 6);
  for (int page = 1; page <= 6; ++page) {
    EXPECT_EQ(doc.TextOperations(page)[0].text, "問題No." + QString::number(5 + (page - 1) / 2));
  }
  ASSERT_EQ(composer.Sheets().size(), 3u);
  EXPECT_EQ(composer.Sheets()[2].printNumber, 7);
  EXPECT_EQ(composer.Sheets()[2].firstPage, 5);
  for (int page = 1; page <= 6; ++page) composer.plPrev1Print(&doc, page);
  EXPECT_EQ(composer.PrintNumber().Value(), 8);
}

TEST_F(ComposerSheet, RefusesAnEmptySelection) {
  composer.PrintNumber().Set(std::int32_t{4});
  SheetOptions o = Options({});
  EXPECT_FALSE(composer.Compose(o));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "少なくとも１つは問題を指定して下さい。");
  EXPECT_EQ(messages.shown[0].caption, "警告");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(messages.shown[0].beep);
  EXPECT_FALSE(doc.IsRecorded());
  EXPECT_EQ(composer.PrintNumber().Value(), 4);
  composer.PreviewCommand(o);  // refused as well: no preview window
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(ComposerSheet, PrintNumberThatIsNoIntegerStopsBeforeTheDocument) {
  try {
    composer.Compose(Options({7}, "七"));
    ADD_FAILURE() << "no conversion error";
  } catch (const ConversionError& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), "'七' は整数ではありません");
  }
  EXPECT_FALSE(doc.IsRecorded());
  EXPECT_FALSE(composer.Problems().At(50).strA.empty()) << "the table was filled first";
  EXPECT_THROW(composer.Compose(Options({7}, "2147483647"), 2), std::invalid_argument);
  EXPECT_FALSE(doc.IsRecorded());
  EXPECT_TRUE(composer.Compose(Options({7}, "2147483647")));
}

// A source that fails at one draw, for the failure guard.
class FailingRandom final : public Random {
 public:
  FailingRandom(Random& inner, int failAt) : inner_(inner), failAt_(failAt) {}
  int Rnd(int n) override {
    if (++calls_ == failAt_) throw std::runtime_error("draw failed");
    return inner_.Rnd(n);
  }
  int calls_ = 0;

 private:
  Random& inner_;
  int failAt_;
};

TEST_F(ComposerSheet, AFailureAfterBeginDocStillEndsTheDocument) {
  // With no random flags the generation makes every draw; count them.
  SeededRandom counted(5);
  FailingRandom counter(counted, -1);
  PreviewDocument first;
  WorksheetComposer plain(first, counter, messages, A2000x2870());
  ASSERT_TRUE(plain.Compose(Options({7})));
  const int generationDraws = counter.calls_;

  SeededRandom again(5);
  FailingRandom failing(again, generationDraws + 1);  // the first hide flag
  WorksheetComposer c(doc, failing, messages, A2000x2870());
  SheetOptions o = Options({7});
  o.hideItem = kItemRandom;
  EXPECT_THROW(c.Compose(o), std::runtime_error);
  EXPECT_TRUE(doc.IsRecorded());
  EXPECT_EQ(doc.Canvas(), nullptr) << "EndDoc ran";
  EXPECT_EQ(doc.PageCount(), 1);
  EXPECT_EQ(doc.TextOperations(1).size(), 4u) << "only the header was drawn";
}

TEST_F(ComposerSheet, HideAllShowsEveryOperatorAsABoxOnlyOnPage1) {
  SheetOptions o = Options({5, 13});  // three- and two-term additions
  o.hideItem = kItemAll;
  ASSERT_TRUE(composer.Compose(o));
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer.Problems().At(i);
    const QString q = doc.TextOperations(1)[static_cast<std::size_t>(3 + i)].text;
    const QString a = doc.TextOperations(2)[static_cast<std::size_t>(3 + i)].text;
    EXPECT_FALSE(q.contains("＋")) << q.toStdString();
    EXPECT_EQ(q.count("□"), rec.termMode == TermMode::kThreeTerms ? 2 : 1) << q.toStdString();
    EXPECT_TRUE(q.endsWith("＝" + QString::fromStdString(rec.strAnswer)));
    EXPECT_FALSE(a.contains("□"));
    EXPECT_EQ(a.count("＋"), rec.termMode == TermMode::kThreeTerms ? 2 : 1);
  }
}

TEST_F(ComposerSheet, SmallFormsAndTheirAnswerValueLines) {
  ASSERT_TRUE(composer.Compose(Options({135, 136})));
  const auto& q = doc.TextOperations(1);
  const auto& a = doc.TextOperations(2);
  // Each small problem has its answer value line right after its answer line.
  std::size_t k = 4;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer.Problems().At(i);
    ASSERT_TRUE(rec.form == 51 || rec.form == 52);
    EXPECT_EQ(q[static_cast<std::size_t>(3 + i)].fontHeight, 55);
    ASSERT_LT(k + 1, a.size());
    EXPECT_EQ(a[k].fontHeight, 55);
    EXPECT_EQ(a[k].text.toStdString(), rec.strE);
    EXPECT_EQ(a[k + 1].text.toStdString(), rec.strAnswer);
    EXPECT_TRUE(a[k + 1].text.startsWith("答え "));
    EXPECT_EQ(a[k + 1].fontHeight, rec.form == 52 ? 36 : 50);
    EXPECT_EQ(a[k + 1].x, a[k].x);
    EXPECT_EQ(a[k + 1].y, a[k].y + 70);
    k += 2;
  }
  EXPECT_EQ(k, a.size());
}

// Scripts the flag, blank-item and position draws of every problem after
// the generation draws of a sheet, and checks each line on page 1.
TEST_F(ComposerSheet, DrawOrderOfFlagsBlankItemAndPosition) {
  // First pass without random options: only the generation draws.
  class Recorder final : public Random {
   public:
    explicit Recorder(Random& inner) : inner_(inner) {}
    int Rnd(int n) override {
      const int v = inner_.Rnd(n);
      draws.emplace_back(n, v);
      return v;
    }
    std::vector<std::pair<int, int>> draws;

   private:
    Random& inner_;
  };
  SeededRandom seeded(77);
  Recorder recorder(seeded);
  PreviewDocument firstDoc;
  WorksheetComposer first(firstDoc, recorder, messages, A2000x2870());
  ASSERT_TRUE(first.Compose(Options({7})));  // 2-digit + 1-digit, 2-digit answers
  const ProblemTable table = first.Problems();

  testing::ScriptedRandom script;
  for (const auto& [n, v] : recorder.draws) script.Expect(n, v);
  std::vector<QString> expected;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& r = table.At(i);
    const QString a = QString::fromStdString(r.strA), b = QString::fromStdString(r.strB),
                  ans = QString::fromStdString(r.strAnswer);
    const int hide = i % 2, blank = (i / 2) % 2, item = i % 3;
    script.Expect(2, hide).Expect(2, blank);
    if (blank == 0) {
      expected.push_back(hide ? a + "□" + b + "＝" + ans : a + "＋" + b + "＝");
      continue;
    }
    script.Expect(3, item);
    const QString& chosen = item == 0 ? a : item == 1 ? b : ans;
    const int pos = static_cast<int>(chosen.size()) - 1;
    script.Expect(static_cast<int>(chosen.size()), pos);
    QString marked = chosen;
    marked[pos] = u'□';
    expected.push_back((item == 0 ? marked : a) + "＋" + (item == 1 ? marked : b) + "＝" +
                       (item == 2 ? marked : ans));
  }
  WorksheetComposer scripted(doc, script, messages, A2000x2870());
  SheetOptions o = Options({7});
  o.hideItem = kItemRandom;
  o.blankItem = kItemRandom;
  ASSERT_TRUE(scripted.Compose(o));
  EXPECT_TRUE(script.Exhausted());
  for (int i = 1; i <= 50; ++i) {
    EXPECT_EQ(doc.TextOperations(1)[static_cast<std::size_t>(3 + i)].text, expected[i - 1]) << i;
  }
}

}  // namespace
}  // namespace kazenori
