// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/patterngrades.h"

#include <stdexcept>
#include <string>

namespace kazenori {

namespace {

// Read off the content lists of the course of study of 2017 (算数, A 数と計算
// of each year): a pattern is placed in the year whose list first names its
// calculation, e.g. sums below 20 in year 1, two-digit sums and the
// multiplication table in year 2, division with a remainder and tenths in
// year 3, division by two digits, the order of operations and a decimal
// times an integer in year 4, a decimal by a decimal and common multiples in
// year 5, ratios in year 6. The special products (88..104) are tricks of
// mental arithmetic beyond the lists, placed with the multiplication they
// rest on; the three-number multiples and divisors go beyond year 5's two.
constexpr std::array<PatternGrade, kPatternCount> kGrades{{
    {1, 1, "たし算(10まで)", false},
    {2, 1, "ひき算(10まで)", false},
    {3, 1, "繰り上がりのあるたし算", false},
    {4, 1, "繰り下がりのあるひき算", false},
    {5, 1, "3つの数の計算", false},
    {6, 1, "3つの数の計算", false},
    {7, 1, "簡単な2位数のたし算・ひき算", false},
    {8, 2, "2位数のたし算", false},
    {9, 2, "2位数のたし算", false},
    {10, 1, "簡単な2位数のたし算・ひき算", false},
    {11, 2, "2位数のひき算", false},
    {12, 2, "2位数のひき算", false},
    {13, 2, "2位数のたし算", false},
    {14, 2, "2位数のひき算", false},
    {15, 2, "かけ算九九", false},
    {16, 2, "計算のきまり(たし算の結合法則)", false},
    {17, 3, "わり算(九九1回)", false},
    {18, 3, "あまりのあるわり算", false},
    {19, 3, "あまりのあるわり算", false},
    {20, 2, "( )を使った式", false},
    {21, 2, "( )を使った式(簡単な3位数)", false},
    {22, 3, "何十・何百のかけ算", false},
    {23, 3, "かけ算(×1位数)", false},
    {24, 3, "何十・何百のかけ算", false},
    {25, 3, "かけ算(×1位数)", false},
    {26, 3, "3位数のたし算・ひき算(( )を使った式)", false},
    {27, 2, "( )を使った式", false},
    {28, 2, "( )を使った式(簡単な3位数)", false},
    {29, 3, "3位数のたし算・ひき算(( )を使った式)", false},
    {30, 4, "わり算の筆算", false},
    {31, 4, "わり算の筆算", false},
    {32, 4, "わり算の筆算", false},
    {33, 3, "かけ算(×1位数)", false},
    {34, 3, "計算のきまり(かけ算の結合法則)", false},
    {35, 4, "計算の順序(四則の混合)", false},
    {36, 4, "( )を使った式(四則の混合)", false},
    {37, 4, "計算の順序(四則の混合)", false},
    {38, 4, "計算の順序(四則の混合)", false},
    {39, 4, "( )を使った式(四則の混合)", false},
    {40, 4, "計算の順序(四則の混合)", false},
    {41, 3, "何十のわり算", false},
    {42, 4, "わり算の筆算", false},
    {43, 3, "わり算(九九1回を2回)", false},
    {44, 4, "計算の順序(四則の混合)", false},
    {45, 4, "( )を使った式(四則の混合)", false},
    {46, 4, "( )を使った式(四則の混合)", false},
    {47, 4, "( )を使った式(四則の混合)", false},
    {48, 4, "計算の順序(四則の混合)", false},
    {49, 4, "( )を使った式(四則の混合)", false},
    {50, 4, "計算のきまり(分配法則)", false},
    {51, 5, "倍数と約数", false},
    {52, 5, "倍数と約数", false},
    {53, 5, "倍数と約数", false},
    {54, 5, "倍数と約数", false},
    {55, 5, "倍数と約数(3つの数)", true},
    {56, 5, "倍数と約数(3つの数)", true},
    {57, 6, "比", false},
    {58, 3, "小数のたし算", false},
    {59, 3, "小数のひき算", false},
    {60, 4, "小数×整数", false},
    {61, 5, "小数×小数", false},
    {62, 4, "小数÷整数", false},
    {63, 4, "小数÷整数", false},
    {64, 4, "小数×整数", false},
    {65, 5, "小数×小数", false},
    {66, 5, "小数×小数", false},
    {67, 5, "小数×小数", false},
    {68, 5, "小数÷小数", false},
    {69, 5, "小数÷小数", false},
    {70, 5, "小数÷小数", false},
    {71, 5, "小数÷小数", false},
    {72, 5, "小数÷小数", false},
    {73, 4, "計算の順序(四則の混合)", false},
    {74, 4, "計算の順序(四則の混合)", false},
    {75, 4, "計算のきまり(分配法則)", false},
    {76, 2, "2位数のたし算", false},
    {77, 2, "2位数のひき算", false},
    {78, 2, "2位数のたし算", false},
    {79, 2, "簡単な3位数のたし算・ひき算", false},
    {80, 3, "何十・何百のかけ算", false},
    {81, 3, "何十・何百のかけ算", false},
    {82, 3, "何十・何百のかけ算", false},
    {83, 3, "何十・何百のかけ算", false},
    {84, 3, "何十・何百のかけ算", false},
    {85, 3, "何十・何百のかけ算", false},
    {86, 1, "3つの数の計算", false},
    {87, 1, "3つの数の計算", false},
    {88, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {89, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {90, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {91, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {92, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {93, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {94, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {95, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {96, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {97, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {98, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {99, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {100, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {101, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {102, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {103, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {104, 3, "2位数・3位数のかけ算(暗算の工夫)", true},
    {105, 4, "わり算の筆算", false},
    {106, 3, "かけ算(×1位数)", false},
    {107, 4, "わり算の筆算", false},
    {108, 4, "小数÷整数", false},
    {109, 4, "小数÷整数", false},
    {110, 4, "小数÷整数", false},
    {111, 2, "2位数と1位数のたし算・ひき算", false},
    {112, 2, "2位数と1位数のたし算・ひき算", false},
    {113, 2, "2位数と1位数のたし算・ひき算", false},
    {114, 2, "2位数と1位数のたし算・ひき算", false},
    {115, 2, "2位数と1位数のたし算・ひき算", false},
    {116, 2, "2位数と1位数のたし算・ひき算", false},
    {117, 2, "2位数と1位数のたし算・ひき算", false},
    {118, 2, "2位数と1位数のたし算・ひき算", false},
    {119, 2, "2位数と1位数のたし算・ひき算", false},
    {120, 2, "2位数と1位数のたし算・ひき算", false},
    {121, 2, "簡単な3位数のたし算・ひき算", false},
    {122, 2, "簡単な3位数のたし算・ひき算", false},
    {123, 3, "かけ算(2位数×1位数)", false},
    {124, 3, "かけ算(2位数×1位数)", false},
    {125, 3, "かけ算(2位数×1位数)", false},
    {126, 3, "かけ算(2位数×1位数)", false},
    {127, 4, "わり算(2位数・3位数÷1位数)", false},
    {128, 4, "わり算(2位数・3位数÷1位数)", false},
    {129, 4, "わり算(2位数・3位数÷1位数)", false},
    {130, 4, "わり算(2位数・3位数÷1位数)", false},
    {131, 4, "わり算(2位数・3位数÷1位数)", false},
    {132, 4, "わり算(2位数・3位数÷1位数)", false},
    {133, 4, "わり算(2位数・3位数÷1位数)", false},
    {134, 4, "わり算(2位数・3位数÷1位数)", false},
    {135, 5, "倍数と約数", false},
    {136, 5, "倍数と約数", false},
    {137, 2, "2位数と1位数のたし算・ひき算", false},
    {138, 2, "2位数と1位数のたし算・ひき算", false},
    {139, 2, "2位数と1位数のたし算・ひき算", false},
    {140, 2, "2位数と1位数のたし算・ひき算", false},
    {141, 2, "2位数と1位数のたし算・ひき算", false},
    {142, 2, "2位数と1位数のたし算・ひき算", false},
    {143, 2, "2位数と1位数のたし算・ひき算", false},
    {144, 2, "2位数と1位数のたし算・ひき算", false},
    {145, 2, "2位数と1位数のたし算・ひき算", false},
    {146, 2, "2位数と1位数のたし算・ひき算", false},
    {147, 3, "かけ算(2位数×1位数)", false},
    {148, 3, "かけ算(2位数×1位数)", false},
    {149, 3, "かけ算(2位数×1位数)", false},
    {150, 3, "かけ算(2位数×1位数)", false},
}};

constexpr bool EveryRowInPlace() {
  for (std::size_t i = 0; i < kGrades.size(); ++i) {
    if (kGrades[i].number != static_cast<int>(i) + 1) return false;
    if (kGrades[i].grade < kFirstGrade || kGrades[i].grade > kLastGrade) return false;
  }
  return true;
}
static_assert(EveryRowInPlace(), "the grades list patterns 1..150 in order, each in a year 1..6");

}  // namespace

const std::array<PatternGrade, kPatternCount>& PatternGrades() {
  return kGrades;
}

const PatternGrade& GradeOf(int number) {
  if (number < 1 || number > kPatternCount) {
    throw std::out_of_range("no pattern numbered " + std::to_string(number));
  }
  return kGrades[static_cast<std::size_t>(number - 1)];
}

std::vector<int> PatternsOfGrade(int grade) {
  std::vector<int> patterns;
  for (const PatternGrade& row : kGrades) {
    if (row.grade == grade) patterns.push_back(row.number);
  }
  return patterns;
}

}  // namespace kazenori
