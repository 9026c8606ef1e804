// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "composition/answersheet.h"
#include "composition/seededcomposition.h"
#include "support/textboxes.h"

namespace kazenori {
namespace {

using testing::Box;
using testing::Cell;

SheetOptions Sheet(std::vector<int> patterns, int problems) {
  SheetOptions o;
  o.patterns = std::move(patterns);
  o.problems = problems;
  o.instruction = InstructionText(LayerSetting::None);
  return o;
}

// Every pattern, hidden and blanked, with a score box and red answers: no
// two texts of a page touch, and all stay inside the printable area.
TEST(FewerProblems, EveryPatternStandsApartInsideThePrintableArea) {
  for (const PageGeometry& g : {DesignPaperGeometry(), PageGeometry{120, 120, 1860, 2730}}) {
    const Box printable{g.left, g.top, g.width, g.height};
    for (const int problems : {20, 30}) {
      for (int p = 1; p <= 150; ++p) {
        SheetOptions o = Sheet({p}, problems);
        o.hide = o.blank = LayerSetting::Random;
        o.redAnswers = o.score = true;
        for (const WorksheetPage& page : ComposeSeeded(p, o, 1, g).pages) {
          for (std::size_t i = 0; i < page.items.size(); ++i) {
            const Box a = Cell(page.items[i]);
            EXPECT_TRUE(printable.Contains(a)) << page.items[i].text;
            for (std::size_t k = i + 1; k < page.items.size(); ++k) {
              EXPECT_FALSE(a.Intersects(Cell(page.items[k])))
                  << problems << " of pattern " << p << ": " << page.items[i].text << " / "
                  << page.items[k].text;
            }
          }
        }
      }
    }
  }
}

// Fewer problems are the first of the same draws, larger and further apart.
TEST(FewerProblems, AreTheFirstProblemsOfTheSameDraws) {
  const std::vector<int> patterns{1, 29, 56, 90, 136};
  const Worksheet full = ComposeSeeded(9, Sheet(patterns, 50), 1, DesignPaperGeometry());
  for (const int problems : {20, 30}) {
    const Worksheet few = ComposeSeeded(9, Sheet(patterns, problems), 1, DesignPaperGeometry());
    ASSERT_EQ(few.sheets[0].problemCount, problems);
    for (int i = 0; i < problems; ++i) {
      EXPECT_EQ(few.sheets[0].questions[i], full.sheets[0].questions[i]);
      EXPECT_EQ(few.sheets[0].patterns[i], full.sheets[0].patterns[i]);
    }
    EXPECT_GT(few.pages[0].items[5].height, full.pages[0].items[5].height);
  }
}

std::string Ink(const TextItem& item) {
  return item.colour == kBlack ? "black" : item.colour == kAnswerRed ? "red" : "other";
}

// In red: the answers of the answer page and its 「解答」 mark, nothing else;
// black and red together read as the answer line of the plain sheet.
TEST(RedAnswers, OnlyTheAnswersAndTheMarkAreRed) {
  for (const int problems : {20, 50}) {
    SheetOptions o = Sheet({5, 26, 52, 64, 111, 140}, problems);
    o.score = true;
    const Worksheet plain = ComposeSeeded(3, o, 1, DesignPaperGeometry());
    o.redAnswers = true;
    const Worksheet red = ComposeSeeded(3, o, 1, DesignPaperGeometry());
    EXPECT_EQ(red.sheets[0].questions, plain.sheets[0].questions);
    for (const TextItem& item : red.pages[0].items) EXPECT_EQ(Ink(item), "black") << item.text;
    const std::vector<TextItem>& answers = red.pages[1].items;
    ASSERT_EQ(Ink(answers.at(4)), "red");
    EXPECT_EQ(answers.at(4).text, "「解答」");
    // Read as a person does, each red answer joining the black text it ends.
    std::vector<std::string> read;
    int redAnswers = 0;
    for (std::size_t i = 0; i + 1 < answers.size(); ++i) {
      if (i == 4) continue;
      EXPECT_NE(Ink(answers[i]), "other");
      const bool red = Ink(answers[i]) == "red";
      redAnswers += red ? 1 : 0;
      if (red && i > 0 && Ink(answers[i - 1]) == "black" && answers[i - 1].y == answers[i].y) {
        read.back() += answers[i].text;
      } else {
        read.push_back(answers[i].text);
      }
    }
    std::vector<std::string> plainRead;
    for (std::size_t i = 0; i + 1 < plain.pages[1].items.size(); ++i) {
      plainRead.push_back(plain.pages[1].items[i].text);
    }
    EXPECT_EQ(read, plainRead);
    EXPECT_EQ(redAnswers, problems);
  }
}

}  // namespace
}  // namespace kazenori
