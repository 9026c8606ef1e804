// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/patterncatalogue.h"

#include <stdexcept>
#include <string>

#include "generation/patterngenerators.h"

namespace kazenori {

namespace {

using namespace generators;

// The 150 patterns as the user sees them: number, caption and the generator
// that draws their problems. The generator sets the operation, the term count
// mode and the display form itself.
constexpr std::array<PatternInfo, kPatternCount> kCatalogue{{
    {1, "和が10以下", Pattern1},
    {2, "10以下の引き算", Pattern2},
    {3, "和が20未満", Pattern3},
    {4, "10～19の引き算", Pattern4},
    {5, "1桁＋1桁＋1桁", Pattern5},
    {6, "2回の引き算", Pattern6},
    {7, "2桁＋1桁(繰上なし)", Pattern7},
    {8, "2桁＋1桁(繰上のみ)", Pattern8},
    {9, "2桁＋1桁(繰上混合)", Pattern9},
    {10, "2桁－1桁(繰下なし)", Pattern10},
    {11, "2桁－1桁(繰下のみ)", Pattern11},
    {12, "2桁－1桁(繰下混合)", Pattern12},
    {13, "2桁＋2桁(繰上なし)", Pattern13},
    {14, "2桁－2桁(繰下なし)", Pattern14},
    {15, "九九", Pattern15},
    {16, "3つの数の和(工夫あり)", Pattern16},
    {17, "割り算九九(余りなし)", Pattern17},
    {18, "割り算九九(余りあり)", Pattern18},
    {19, "割り算九九(余り混合)", Pattern19},
    {20, "80＋(60-20)のﾊﾟﾀｰﾝ", Pattern20},
    {21, "140+(90-70)のﾊﾟﾀｰﾝ", Pattern21},
    {22, "1桁×何十", Pattern22},
    {23, "2桁×１桁(積が2桁)", Pattern23},
    {24, "2桁×何十", Pattern24},
    {25, "2桁×1桁(積が3桁)", Pattern25},
    {26, "240+(150-120)のﾊﾟﾀｰﾝ", Pattern26},
    {27, "60-(30+10)のﾊﾟﾀｰﾝ", Pattern27},
    {28, "160-(80+10)のﾊﾟﾀｰﾝ", Pattern28},
    {29, "700-(340-250)のﾊﾟﾀｰﾝ", Pattern29},
    {30, "2桁÷1桁(余りなし)", Pattern30},
    {31, "2桁÷1桁(余りあり)", Pattern31},
    {32, "2桁÷1桁(余り混合)", Pattern32},
    {33, "3桁×1桁", Pattern33},
    {34, "1桁×1桁×1桁", Pattern34},
    {35, "100－2桁×1桁", Pattern35},
    {36, "(和が何十)×1桁", Pattern36},
    {37, "九九＋九九", Pattern37},
    {38, "九九－九九", Pattern38},
    {39, "2桁×(和が何十)", Pattern39},
    {40, "2桁＋(積が何十)", Pattern40},
    {41, "10nm÷1桁(商1桁のみ)", Pattern41},
    {42, "10nm÷1桁(商混合)", Pattern42},
    {43, "2回の割り算(余りなし)", Pattern43},
    {44, "10n－割り算九九", Pattern44},
    {45, "(差が10n)÷(10,5,2)", Pattern45},
    {46, "100n－(10n÷(5,2))", Pattern46},
    {47, "25n÷(和が25)", Pattern47},
    {48, "2桁÷1桁＋九九", Pattern48},
    {49, "(差が3n)÷3", Pattern49},
    {50, "k×m＋l×m(k+lは10n)", Pattern50},
    {51, "2つの数の公倍数", Pattern51},
    {52, "2つの数の公約数", Pattern52},
    {53, "2つの数の最小公倍数", Pattern53},
    {54, "2つの数の最大公約数", Pattern54},
    {55, "3つの数の最小公倍数", Pattern55},
    {56, "3つの数の最大公約数", Pattern56},
    {57, "比例式", Pattern57},
    {58, "1桁＋0.1n", Pattern58},
    {59, "1桁－0.1n", Pattern59},
    {60, "片方が小数第1位の九九", [](Draw& d) { DigitProduct(d, form::kTenthsEitherFactor); }},
    {61, "両方が小数第1位の九九", [](Draw& d) { DigitProduct(d, form::kTenthsTimesTenths); }},
    {62, "被除数小数1位割り算九九", [](Draw& d) { DigitQuotient(d, form::kTenthsByDigit); }},
    {63, "被除数小数2位割り算九九", [](Draw& d) { DigitQuotient(d, form::kHundredthsByDigit); }},
    {64, "被乗数が小数の九九", [](Draw& d) { DigitProduct(d, form::kTenthsTimesDigit); }},
    {65, "乗数が小数第1位の九九", [](Draw& d) { DigitProduct(d, form::kDigitTimesTenths); }},
    {66, "両方が小数第2位の九九",
     [](Draw& d) { DigitProduct(d, form::kHundredthsTimesHundredths); }},
    {67, "小数第1・2位混合の九九",
     [](Draw& d) { DigitProduct(d, form::kTenthsHundredthsProduct); }},
    {68, "除数小数1位割り算九九", [](Draw& d) { DigitQuotient(d, form::kWholeByTenths); }},
    {69, "除数小数2位割り算九九", [](Draw& d) { DigitQuotient(d, form::kWholeByHundredths); }},
    {70, "両方が小数1位割り算九九", [](Draw& d) { DigitQuotient(d, form::kTenthsByTenths); }},
    {71, "両方が小数2位割り算九九",
     [](Draw& d) { DigitQuotient(d, form::kHundredthsByHundredths); }},
    {72, "小数1・2位混合割り算九九",
     [](Draw& d) { DigitQuotient(d, form::kTenthsHundredthsQuotient); }},
    {73, "100－九九", Pattern73},
    {74, "100－割り算九九", Pattern74},
    {75, "k×m-l×m(k-l>=10)", Pattern75},
    {76, "2桁＋2桁(繰上あり)", Pattern76},
    {77, "2桁－2桁(繰下あり)", Pattern77},
    {78, "2桁＋2桁(何十・含む百)", Pattern78},
    {79, "100－2桁", Pattern79},
    {80, "何十×1桁", Pattern80},
    {81, "1桁×何百", Pattern81},
    {82, "何百×1桁", Pattern82},
    {83, "何十×2桁", Pattern83},
    {84, "何十×何十", Pattern84},
    {85, "何十×何百", Pattern85},
    {86, "1桁＋1桁－1桁", Pattern86},
    {87, "1桁－1桁＋1桁", Pattern87},
    {88, "10+aと10+bの積", [](Draw& d) { NearBase(d, 10); }},
    {89, "100+aと100+bの積", [](Draw& d) { NearBase(d, 100); }},
    {90, "1000+aと1000+bの積", [](Draw& d) { NearBase(d, 1000); }},
    {91, "110+aと110+bの積", [](Draw& d) { NearBase(d, 110); }},
    {92, "1010+aと1010+bの積", [](Draw& d) { NearBase(d, 1010); }},
    {93, "10+aと20+bの積", Pattern93},
    {94, "110+aと10+bの積", Pattern94},
    {95, "10a+bと10a+cの積(b+c=10)", Pattern95},
    {96, "↑で10a+bと10(a±1)+cの積", Pattern96},
    {97, "百位1,十位同,一位和10の積", Pattern97},
    {98, "一位同,十位和10の積", Pattern98},
    {99, "↑で一位の差が±1の積", Pattern99},
    {100, "乗数10a+b(a+b=9)の積", Pattern100},
    {101, "100±aと100±bの積(aとb<13)", Pattern101},
    {102, "↑で100が1000で(aとb<16)", Pattern102},
    {103, "百位同,十位が0の積", Pattern103},
    {104, "和が20n(n<10)になる数の積", Pattern104},
    {105, "2桁÷2桁(商1桁)", Pattern105},
    {106, "10nm×1桁", Pattern106},
    {107, "3桁÷2桁(商1桁のみ)", Pattern107},
    {108, "除数1桁(商2桁小数1位まで)", Pattern108},
    {109, "除数2桁(商小数1位の1桁)",
     [](Draw& d) { TwoDigitDivisor(d, form::kTenthsQuotientOfTwoDigits); }},
    {110, "除数2桁(商小数2位の1桁)",
     [](Draw& d) { TwoDigitDivisor(d, form::kHundredthsQuotient); }},
    {111, "＋1の特訓", [](Draw& d) { PlusDrill(d, 1); }},
    {112, "＋2の特訓", [](Draw& d) { PlusDrill(d, 2); }},
    {113, "＋3の特訓", [](Draw& d) { PlusDrill(d, 3); }},
    {114, "＋4の特訓", [](Draw& d) { PlusDrill(d, 4); }},
    {115, "＋5の特訓", [](Draw& d) { PlusDrill(d, 5); }},
    {116, "－1の特訓", [](Draw& d) { MinusDrill(d, 1); }},
    {117, "－2の特訓", [](Draw& d) { MinusDrill(d, 2); }},
    {118, "－3の特訓", [](Draw& d) { MinusDrill(d, 3); }},
    {119, "－4の特訓", [](Draw& d) { MinusDrill(d, 4); }},
    {120, "－5の特訓", [](Draw& d) { MinusDrill(d, 5); }},
    {121, "2桁＋2桁＝百台", Pattern121},
    {122, "百台－2桁＝2桁", Pattern122},
    {123, "×2の特訓", [](Draw& d) { TimesDrill(d, 2); }},
    {124, "×3の特訓", [](Draw& d) { TimesDrill(d, 3); }},
    {125, "×4の特訓", [](Draw& d) { TimesDrill(d, 4); }},
    {126, "×5の特訓", [](Draw& d) { TimesDrill(d, 5); }},
    {127, "÷2の特訓", [](Draw& d) { DivideDrill(d, 2); }},
    {128, "÷3の特訓", [](Draw& d) { DivideDrill(d, 3); }},
    {129, "÷4の特訓", [](Draw& d) { DivideDrill(d, 4); }},
    {130, "÷5の特訓", [](Draw& d) { DivideDrill(d, 5); }},
    {131, "÷6の特訓", [](Draw& d) { DivideDrill(d, 6); }},
    {132, "÷7の特訓", [](Draw& d) { DivideDrill(d, 7); }},
    {133, "÷8の特訓", [](Draw& d) { DivideDrill(d, 8); }},
    {134, "÷9の特訓", [](Draw& d) { DivideDrill(d, 9); }},
    {135, "○の倍数（0を含まない）", Pattern135},
    {136, "○の約数", Pattern136},
    {137, "＋6の特訓", [](Draw& d) { PlusDrill(d, 6); }},
    {138, "＋7の特訓", [](Draw& d) { PlusDrill(d, 7); }},
    {139, "＋8の特訓", [](Draw& d) { PlusDrill(d, 8); }},
    {140, "＋9の特訓", [](Draw& d) { PlusDrill(d, 9); }},
    {141, "＋10の特訓", [](Draw& d) { PlusDrill(d, 10); }},
    {142, "－6の特訓", [](Draw& d) { MinusDrill(d, 6); }},
    {143, "－7の特訓", [](Draw& d) { MinusDrill(d, 7); }},
    {144, "－8の特訓", [](Draw& d) { MinusDrill(d, 8); }},
    {145, "－9の特訓", [](Draw& d) { MinusDrill(d, 9); }},
    {146, "－10の特訓", [](Draw& d) { MinusDrill(d, 10); }},
    {147, "×6の特訓", [](Draw& d) { TimesDrill(d, 6); }},
    {148, "×7の特訓", [](Draw& d) { TimesDrill(d, 7); }},
    {149, "×8の特訓", [](Draw& d) { TimesDrill(d, 8); }},
    {150, "×9の特訓", [](Draw& d) { TimesDrill(d, 9); }},
}};

// Row n - 1 is pattern n, so that Pattern(n) can index.
constexpr bool EveryRowInPlace() {
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
    if (kCatalogue[i].number != static_cast<int>(i) + 1) return false;
  }
  return true;
}
static_assert(EveryRowInPlace(), "the catalogue lists patterns 1..150 in order");

}  // namespace

const std::array<PatternInfo, kPatternCount>& PatternCatalogue() {
  return kCatalogue;
}

const PatternInfo& Pattern(int number) {
  if (number < 1 || number > kPatternCount) {
    throw std::out_of_range("no pattern numbered " + std::to_string(number));
  }
  return kCatalogue[static_cast<std::size_t>(number - 1)];
}

}  // namespace kazenori
