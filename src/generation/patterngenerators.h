// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generation/displayform.h"
#include "generation/draw.h"

// The generators the pattern catalogue puts into its rows. PatternN draws
// pattern N; the shared ones take what tells their patterns apart.
namespace kazenori::generators {

// Addition and subtraction (addsubpatterns.cpp).
void Pattern1(Draw& d);
void Pattern2(Draw& d);
void Pattern3(Draw& d);
void Pattern4(Draw& d);
void Pattern5(Draw& d);
void Pattern6(Draw& d);
void Pattern7(Draw& d);
void Pattern8(Draw& d);
void Pattern9(Draw& d);
void Pattern10(Draw& d);
void Pattern11(Draw& d);
void Pattern12(Draw& d);
void Pattern13(Draw& d);
void Pattern14(Draw& d);
void Pattern16(Draw& d);
void Pattern20(Draw& d);
void Pattern21(Draw& d);
void Pattern26(Draw& d);
void Pattern27(Draw& d);
void Pattern28(Draw& d);
void Pattern29(Draw& d);
void Pattern76(Draw& d);
void Pattern77(Draw& d);
void Pattern78(Draw& d);
void Pattern79(Draw& d);
void Pattern86(Draw& d);
void Pattern87(Draw& d);
void Pattern121(Draw& d);
void Pattern122(Draw& d);
void PlusDrill(Draw& d, int n);
void MinusDrill(Draw& d, int n);

// Two- and three-term multiplication and division (muldivpatterns.cpp).
void Pattern15(Draw& d);
void Pattern17(Draw& d);
void Pattern18(Draw& d);
void Pattern19(Draw& d);
void Pattern22(Draw& d);
void Pattern23(Draw& d);
void Pattern24(Draw& d);
void Pattern25(Draw& d);
void Pattern30(Draw& d);
void Pattern31(Draw& d);
void Pattern32(Draw& d);
void Pattern33(Draw& d);
void Pattern34(Draw& d);
void Pattern41(Draw& d);
void Pattern42(Draw& d);
void Pattern43(Draw& d);
void Pattern80(Draw& d);
void Pattern81(Draw& d);
void Pattern82(Draw& d);
void Pattern83(Draw& d);
void Pattern84(Draw& d);
void Pattern85(Draw& d);
void Pattern105(Draw& d);
void Pattern106(Draw& d);
void Pattern107(Draw& d);
void TimesDrill(Draw& d, int n);
void DivideDrill(Draw& d, int n);

// Special products and quotients mixed with a sum or difference
// (muldivcompoundpatterns.cpp).
void Pattern35(Draw& d);
void Pattern36(Draw& d);
void Pattern37(Draw& d);
void Pattern38(Draw& d);
void Pattern39(Draw& d);
void Pattern40(Draw& d);
void Pattern44(Draw& d);
void Pattern45(Draw& d);
void Pattern46(Draw& d);
void Pattern47(Draw& d);
void Pattern48(Draw& d);
void Pattern49(Draw& d);
void Pattern50(Draw& d);
void Pattern73(Draw& d);
void Pattern74(Draw& d);
void Pattern75(Draw& d);

// Number theory, proportions, decimals and special products
// (numberpatterns.cpp).
void Pattern51(Draw& d);
void Pattern52(Draw& d);
void Pattern53(Draw& d);
void Pattern54(Draw& d);
void Pattern55(Draw& d);
void Pattern56(Draw& d);
void Pattern57(Draw& d);
void Pattern58(Draw& d);
void Pattern59(Draw& d);
void Pattern93(Draw& d);
void Pattern94(Draw& d);
void Pattern95(Draw& d);
void Pattern96(Draw& d);
void Pattern97(Draw& d);
void Pattern98(Draw& d);
void Pattern99(Draw& d);
void Pattern100(Draw& d);
void Pattern101(Draw& d);
void Pattern102(Draw& d);
void Pattern103(Draw& d);
void Pattern104(Draw& d);
void Pattern108(Draw& d);
void Pattern135(Draw& d);
void Pattern136(Draw& d);
void DigitProduct(Draw& d, int form);     // a table product in decimals
void DigitQuotient(Draw& d, int form);    // a table quotient in decimals
void TwoDigitDivisor(Draw& d, int form);  // a two-digit divisor, a one-digit quotient
void NearBase(Draw& d, int base);         // both factors base + 1..9

}  // namespace kazenori::generators
