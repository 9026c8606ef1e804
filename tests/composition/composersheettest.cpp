// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "composition/composer.h"
#include "composition/printnumber.h"
#include "support/scriptedrandom.h"
#include "support/textmatch.h"

namespace kazenori {
namespace {

using testing::Contains;
using testing::Count;
using testing::EndsWith;
using testing::StartsWith;

using Kind = TextAlign;

PageGeometry A2000x2870() {
  return {40, 30, 2000, 2870};
}

SheetOptions Options(std::initializer_list<int> patterns, std::int32_t number = 7) {
  SheetOptions o;
  o.patterns = patterns;
  o.printNumber = number;
  o.instruction = "次の計算をしましょう。";
  return o;
}

// Composition without any paint device: the worksheet value is checked directly.
class ComposerSheet : public ::testing::Test {
 protected:
  // The page header: four items at the top of each page.
  static void ExpectHeader(const WorksheetPage& page, int number) {
    const auto& ops = page.items;
    ASSERT_GE(ops.size(), 4u);
    const PageGeometry g = A2000x2870();
    EXPECT_EQ(ops[0].align, Kind::Left);
    EXPECT_EQ(ops[0].text, "問題No." + std::to_string(number));
    EXPECT_EQ((Point{ops[0].x, ops[0].y}), (Point{g.left + 50, g.top + 50}));
    EXPECT_EQ(ops[0].height, 30);
    EXPECT_EQ(ops[1].align, Kind::Right);
    EXPECT_EQ(ops[1].text, "（　　　　　　　　　　　）");
    EXPECT_EQ((Point{ops[1].x, ops[1].y}), (Point{g.left + 2000 - 50, g.top + 70}));
    EXPECT_EQ(ops[1].height, 80);
    EXPECT_EQ(ops[2].align, Kind::Left);
    EXPECT_EQ(ops[2].text, "次の計算をしましょう。");
    EXPECT_EQ((Point{ops[2].x, ops[2].y}), (Point{g.left + 50, g.top + 170}));
    EXPECT_EQ(ops[2].height, 60);
    EXPECT_EQ(ops[3].align, Kind::LeftMid);
    EXPECT_EQ(ops[3].text, "月　　日　（　　）　　分　　秒");
    EXPECT_EQ((Point{ops[3].x, ops[3].y}), (Point{g.left + 100, g.top + 300}));
    EXPECT_EQ(ops[3].height, 40);
    for (const TextItem& op : ops) {
      EXPECT_FALSE(op.bold);
      EXPECT_EQ(op.colour, kBlack);
    }
  }

  SeededRandom rnd_{20261208};
  Composer composer_{rnd_, A2000x2870()};
};

TEST_F(ComposerSheet, QuestionAndAnswerPagesOfDivisionsWithRemainders) {
  const Worksheet ws = composer_.Compose(Options({18}));
  ASSERT_EQ(ws.pages.size(), 2u);
  ExpectHeader(ws.pages[0], 7);
  ExpectHeader(ws.pages[1], 7);
  const auto& q = ws.pages[0].items;
  const auto& a = ws.pages[1].items;
  ASSERT_EQ(q.size(), 4u + 50);
  ASSERT_EQ(a.size(), 4u + 50);
  const PageGeometry g = A2000x2870();
  const struct {
    int i;
    Point at;
  } places[] = {
      {1, {g.left + 150, g.top + 350 + 148}}, {16, {g.left + 150, g.top + 350 + 16 * 148}},
      {17, {g.left + 760, g.top + 350}},      {33, {g.left + 760, g.top + 350 + 16 * 148}},
      {34, {g.left + 1370, g.top + 350}},     {50, {g.left + 1370, g.top + 350 + 16 * 148}}};
  ASSERT_EQ(ws.sheets.size(), 1u);
  const ComposedSheet& sheet = ws.sheets[0];
  EXPECT_EQ(ws.geometry, A2000x2870());
  for (const auto& p : places) {
    const TextItem& question = q[3 + static_cast<std::size_t>(p.i)];
    const TextItem& answer = a[3 + static_cast<std::size_t>(p.i)];
    EXPECT_EQ((Point{question.x, question.y}), p.at) << p.i;
    EXPECT_EQ((Point{answer.x, answer.y}), p.at) << p.i;
    EXPECT_EQ(question.align, Kind::Left);
    EXPECT_EQ(question.height, 60);
    EXPECT_EQ(answer.height, 60);
  }
  int remainders = 0;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer_.Problems().At(i);
    const std::string& question = q[3 + static_cast<std::size_t>(i)].text;
    const std::string& answer = a[3 + static_cast<std::size_t>(i)].text;
    EXPECT_EQ(question, sheet.questions[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(sheet.patterns[static_cast<std::size_t>(i - 1)], 18);
    ASSERT_EQ(rec.op, Operation::Div);
    ASSERT_NE(rec.valB, 0);
    const int r = rec.valA % rec.valB;
    std::string expected = std::to_string(rec.valA) + "÷" + std::to_string(rec.valB) + "＝";
    EXPECT_TRUE(StartsWith(question, expected)) << question;
    expected += std::to_string(rec.valA / rec.valB);
    if (r != 0) {
      expected += " … " + std::to_string(r);
      ++remainders;
      EXPECT_TRUE(EndsWith(question, "＝   … ")) << question;
    }
    EXPECT_EQ(answer, expected);
  }
  EXPECT_GT(remainders, 0);
}

TEST_F(ComposerSheet, SheetsNumberedFromThePrintNumberAndTheCycleAfterThem) {
  // One worksheet: the number awaits its two pages; printing both leaves N + 1.
  Worksheet ws = composer_.Compose(Options({7}));
  PrintNumberCycle cycle;
  cycle.SetForPrinting(7, 1, static_cast<int>(ws.pages.size()));
  EXPECT_EQ(cycle.Value(), 6);
  cycle.Advance();
  cycle.Advance();
  EXPECT_EQ(cycle.Value(), 8);

  // Three sheets in one worksheet: 5, 6, 7; printing all six pages leaves 8.
  ws = composer_.Compose(Options({7}, 5), 3);
  ASSERT_EQ(ws.pages.size(), 6u);
  for (std::size_t page = 0; page < 6; ++page) {
    EXPECT_EQ(ws.pages[page].items[0].text, "問題No." + std::to_string(5 + page / 2));
  }
  ASSERT_EQ(ws.sheets.size(), 3u);
  EXPECT_EQ(ws.sheets[2].printNumber, 7);
  EXPECT_EQ(ws.sheets[2].firstPage, 5);
  cycle.SetForPrinting(5, 3, 6);
  for (int page = 1; page <= 6; ++page) cycle.Advance();
  EXPECT_EQ(cycle.Value(), 8);
}

// Streamed, the same draws give the same sheets, each a worksheet of its own.
TEST_F(ComposerSheet, ComposeEachHandsOverOneSheetAtATime) {
  SeededRandom again{20261208};
  Composer whole{again, A2000x2870()};
  const Worksheet all = whole.Compose(Options({7, 18, 136}, 3), 3);
  int k = 0;
  composer_.ComposeEach(Options({7, 18, 136}, 3), 3, [&](const Worksheet& one) {
    ASSERT_EQ(one.sheets.size(), 1u);
    ASSERT_EQ(one.pages.size(), 2u);
    EXPECT_EQ(one.sheets[0].firstPage, 1);
    EXPECT_EQ(one.sheets[0].printNumber, 3 + k);
    EXPECT_EQ(one.sheets[0].questions, all.sheets[static_cast<std::size_t>(k)].questions);
    for (std::size_t p = 0; p < 2; ++p) {
      const auto& expected = all.pages[static_cast<std::size_t>(2 * k) + p].items;
      ASSERT_EQ(one.pages[p].items.size(), expected.size());
      for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(one.pages[p].items[n].text, expected[n].text);
      }
    }
    ++k;
  });
  EXPECT_EQ(k, 3);
}

TEST_F(ComposerSheet, RefusesAnEmptySelectionBeforeAnyDraw) {
  testing::ScriptedRandom none;
  Composer c(none, A2000x2870());
  try {
    c.Compose(Options({}));
    ADD_FAILURE() << "no refusal";
  } catch (const EmptySelectionError& e) {
    EXPECT_STREQ(e.what(), "少なくとも１つは問題を指定して下さい。");
  }
  EXPECT_EQ(none.Calls(), 0);
}

TEST_F(ComposerSheet, SheetNumbersPast32BitsAreRefused) {
  EXPECT_THROW(composer_.Compose(Options({7}, 2147483647), 2), std::invalid_argument);
  EXPECT_THROW(composer_.Compose(Options({7}), 0), std::invalid_argument);
  EXPECT_EQ(composer_.Compose(Options({7}, 2147483647)).sheets[0].printNumber, 2147483647);
}

TEST_F(ComposerSheet, HideAllShowsEveryOperatorAsABoxOnlyOnPage1) {
  SheetOptions o = Options({5, 13});  // three- and two-term additions
  o.hide = LayerSetting::All;
  const Worksheet ws = composer_.Compose(o);
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer_.Problems().At(i);
    const std::string& q = ws.pages[0].items[3 + static_cast<std::size_t>(i)].text;
    const std::string& a = ws.pages[1].items[3 + static_cast<std::size_t>(i)].text;
    EXPECT_FALSE(Contains(q, "＋")) << q;
    EXPECT_EQ(Count(q, "□"), rec.termMode == TermMode::ThreeTerms ? 2 : 1) << q;
    EXPECT_TRUE(EndsWith(q, "＝" + rec.strAnswer));
    EXPECT_FALSE(Contains(a, "□"));
    EXPECT_EQ(Count(a, "＋"), rec.termMode == TermMode::ThreeTerms ? 2 : 1);
  }
}

TEST_F(ComposerSheet, SmallFormsAndTheirAnswerValueLines) {
  const Worksheet ws = composer_.Compose(Options({135, 136}));
  const auto& q = ws.pages[0].items;
  const auto& a = ws.pages[1].items;
  // Each small problem has its answer value line right after its answer line.
  std::size_t k = 4;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer_.Problems().At(i);
    ASSERT_TRUE(rec.form == 51 || rec.form == 52);
    EXPECT_EQ(q[3 + static_cast<std::size_t>(i)].height, 55);
    ASSERT_LT(k + 1, a.size());
    EXPECT_EQ(a[k].height, 55);
    EXPECT_EQ(a[k].text, rec.strE);
    EXPECT_EQ(a[k + 1].text, rec.strAnswer);
    EXPECT_TRUE(StartsWith(a[k + 1].text, "答え "));
    EXPECT_EQ(a[k + 1].height, rec.form == 52 ? 36 : 50);
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
  Composer first(recorder, A2000x2870());
  first.Compose(Options({7}));  // 2-digit + 1-digit, 2-digit answers
  const ProblemTable table = first.Problems();

  testing::ScriptedRandom script;
  for (const auto& [n, v] : recorder.draws) script.Expect(n, v);
  std::vector<std::string> expected;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& r = table.At(i);
    const std::string &a = r.strA, &b = r.strB, &ans = r.strAnswer;
    const int hide = i % 2, blank = (i / 2) % 2, item = i % 3;
    script.Expect(2, hide).Expect(2, blank);
    if (blank == 0) {
      std::string line = a;
      (line += hide ? "□" : "＋") += b;
      line += "＝";
      if (hide) line += ans;
      expected.push_back(line);
      continue;
    }
    script.Expect(3, item);
    // Digits only: a byte is a character.
    const std::string& chosen = item == 0 ? a : item == 1 ? b : ans;
    const int pos = static_cast<int>(chosen.size()) - 1;
    script.Expect(static_cast<int>(chosen.size()), pos);
    std::string marked = chosen;
    marked.replace(static_cast<std::size_t>(pos), 1, "□");
    expected.push_back((item == 0 ? marked : a) + "＋" + (item == 1 ? marked : b) + "＝" +
                       (item == 2 ? marked : ans));
  }
  Composer scripted(script, A2000x2870());
  SheetOptions o = Options({7});
  o.hide = LayerSetting::Random;
  o.blank = LayerSetting::Random;
  const Worksheet ws = scripted.Compose(o);
  EXPECT_TRUE(script.Exhausted());
  for (int i = 1; i <= 50; ++i) {
    EXPECT_EQ(ws.pages[0].items[3 + static_cast<std::size_t>(i)].text, expected[i - 1]) << i;
  }
}

}  // namespace
}  // namespace kazenori
