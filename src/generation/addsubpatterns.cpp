// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generators of the addition and subtraction patterns. Each draws its values
// in the documented order, one Rnd call per draw, so a scripted source pins
// every number; the driver does the repeat test and writes the record.
#include <array>
#include <utility>

#include "generation/numbertheory.h"
#include "generation/patterngenerators.h"

namespace kazenori::generators {

// Sum at most 10.
void Pattern1(Draw& d) {
  d.op = Operation::Add;
  d.valA = d.Rnd(10);
  d.valB = d.ZeroAllowed() ? d.Rnd(11 - d.valA) : d.Rnd(10 - d.valA) + 1;
}

// Subtraction within 10; 10 - 10 is never posed without the zero setting.
void Pattern2(Draw& d) {
  d.op = Operation::Sub;
  d.valA = d.Rnd(10) + 1;
  if (d.ZeroAllowed()) {
    d.valB = d.Rnd(d.valA);
  } else {
    d.valB = d.valA == 10 ? d.Rnd(9) + 1 : d.Rnd(d.valA) + 1;
  }
}

// Sum below 20.
void Pattern3(Draw& d) {
  d.op = Operation::Add;
  d.valA = d.Rnd(10);
  d.valB = d.ZeroAllowed() ? d.Rnd(10) : d.Rnd(9) + 1;
}

// 10..19 minus one digit.
void Pattern4(Draw& d) {
  d.op = Operation::Sub;
  d.valA = d.Rnd(10) + 10;
  d.valB = d.ZeroAllowed() ? d.Rnd(10) : d.Rnd(9) + 1;
}

// Three digits added.
void Pattern5(Draw& d) {
  d.op = Operation::Add;
  d.ThreeTerms();
  const int lowest = d.ZeroAllowed() ? 0 : 1;
  d.valA = d.Rnd(10 - lowest) + lowest;
  d.valB = d.Rnd(10 - lowest) + lowest;
  d.valC = d.Rnd(10 - lowest) + lowest;
}

// Two subtractions whose result is a single digit.
void Pattern6(Draw& d) {
  d.op = Operation::Sub;
  d.ThreeTerms();
  if (d.ZeroAllowed()) {
    d.valB = d.Rnd(10);
    d.valC = d.Rnd(10);
    d.valA = d.Rnd(10) + d.valB + d.valC;
  } else {
    d.valB = d.Rnd(9) + 1;
    d.valC = d.Rnd(9) + 1;
    d.valA = d.Rnd(9) + d.valB + d.valC + 1;
  }
}

// Two digits plus one, no carry. Without the zero setting a ones digit of 9
// leaves no positive partner, so valA steps down and valB is 1 (Rnd(0) is 0).
void Pattern7(Draw& d) {
  d.op = Operation::Add;
  d.valA = d.Rnd(90) + 10;
  const int u = Ones(d.valA);
  if (d.ZeroAllowed()) {
    d.valB = d.Rnd(10 - u);
    return;
  }
  if (u == 9) d.valA -= 1;
  d.valB = d.Rnd(9 - u) + 1;
}

// Two digits plus one, the ones always carry.
void Pattern8(Draw& d) {
  d.op = Operation::Add;
  d.valA = d.Rnd(80) + 10;
  if (Ones(d.valA) == 0) d.valA += 1;
  const int u = Ones(d.valA);
  d.valB = d.Rnd(u) + 10 - u;
}

// Two digits plus one, carry or not, the sum at most 99.
void Pattern9(Draw& d) {
  d.op = Operation::Add;
  d.valA = d.Rnd(90) + 10;
  if (d.ZeroAllowed()) {
    d.valB = d.Rnd(10);
    if (d.valA > 90) d.valB = d.Rnd(100 - d.valA);
    return;
  }
  d.valB = d.Rnd(9) + 1;
  if (d.valA > 90) {
    if (d.valA == 99) {
      d.valA = 98;
      d.valB = 1;
    } else {
      d.valB = d.Rnd(99 - d.valA) + 1;
    }
  }
}

// Two digits minus one, no borrow.
void Pattern10(Draw& d) {
  d.op = Operation::Sub;
  d.valA = d.Rnd(90) + 10;
  if (d.ZeroAllowed()) {
    d.valB = d.Rnd(Ones(d.valA) + 1);
    return;
  }
  if (Ones(d.valA) == 0) d.valA += 1;
  d.valB = d.Rnd(Ones(d.valA)) + 1;
}

// Two digits minus one, always a borrow.
void Pattern11(Draw& d) {
  d.op = Operation::Sub;
  d.valA = d.Rnd(90) + 10;
  int u = Ones(d.valA);
  if (u == 9) {
    d.valA -= 1;
    u = 8;
  }
  d.valB = u + d.Rnd(9 - u) + 1;
}

// Two digits minus one, borrow or not.
void Pattern12(Draw& d) {
  d.op = Operation::Sub;
  d.valA = d.Rnd(90) + 10;
  d.valB = d.ZeroAllowed() ? d.Rnd(10) : d.Rnd(9) + 1;
}

// Two digits plus two, no carry.
void Pattern13(Draw& d) {
  d.op = Operation::Add;
  d.valA = d.Rnd(80) + 10;
  const int tens = d.Rnd(9 - Tens(d.valA)) + 1;
  d.valB = tens * 10 + d.Rnd(10 - Ones(d.valA));
}

// Two digits minus two, no borrow.
void Pattern14(Draw& d) {
  d.op = Operation::Sub;
  d.valA = d.Rnd(80) + 20;
  const int tens = d.Rnd(Tens(d.valA) - 1) + 1;
  d.valB = tens * 10 + d.Rnd(Ones(d.valA) + 1);
}

// Three numbers, two of which make a whole ten. The shuffle swaps slot by
// slot with a random slot, which is not uniform over the six orders; the
// sheets depend on exactly this sequence of draws.
void Pattern16(Draw& d) {
  d.op = Operation::Add;
  d.ThreeTerms();
  const int s = (d.Rnd(5) + 1) * 10;
  int x = d.Rnd(s) + 1;
  if (Ones(x) == 0) x -= 1;
  const int y = s - x;
  const int z = d.ZeroAllowed() ? d.Rnd(100 - s) : d.Rnd(99 - s) + 1;
  std::array<int, 3> slots{x, y, z};
  for (std::size_t k = 0; k < slots.size(); ++k) {
    std::swap(slots[k], slots[static_cast<std::size_t>(d.Rnd(3))]);
  }
  d.valA = slots[0];
  d.valB = slots[1];
  d.valC = slots[2];
}

namespace {

// A whole ten minus a smaller whole ten, for the bracket patterns 20 and 21.
void TensDifference(Draw& d) {
  const int k = d.Rnd(8) + 2;
  d.valB = 10 * k;
  d.valC = (d.Rnd(k - 1) + 1) * 10;
}

}  // namespace

// 80 + (60 - 20).
void Pattern20(Draw& d) {
  d.op = Operation::Add;
  d.Special(form::kTensPlusDifference);
  d.valA = (d.Rnd(9) + 1) * 10;
  TensDifference(d);
}

// 140 + (90 - 70).
void Pattern21(Draw& d) {
  d.op = Operation::Add;
  d.Special(form::kHundredsPlusDifference);
  d.valA = (d.Rnd(9) + 11) * 10;
  TensDifference(d);
}

// 240 + (150 - 120), the result below 1000 (valA 110 always passes).
void Pattern26(Draw& d) {
  d.op = Operation::Add;
  d.Special(form::kLargePlusDifference);
  do {
    d.valA = (d.Rnd(89) + 11) * 10;
    const int p = d.Rnd(90) + 10;
    const int q = d.Rnd(9) + 1;
    d.valB = 10 * p;
    d.valC = 10 * (p - q);
  } while (d.valA + d.valB - d.valC >= 1000);
}

// 60 - (30 + 10); 20 - (10 + 10) is the one case with answer 0.
void Pattern27(Draw& d) {
  d.op = Operation::Sub;
  d.Special(form::kTensMinusSum);
  const int k = d.Rnd(8) + 2;
  d.valA = 10 * k;
  const int m = d.Rnd(k - 2) + 2;
  const int n = d.Rnd(m - 1) + 1;
  d.valB = 10 * n;
  d.valC = 10 * (m - n);
}

// 160 - (80 + 10); m = 1 gives valC 0.
void Pattern28(Draw& d) {
  d.op = Operation::Sub;
  d.Special(form::kHundredsMinusSum);
  d.valA = (d.Rnd(90) + 10) * 10;
  const int m = d.Rnd(9) + 1;
  const int n = d.Rnd(m - 1) + 1;
  d.valB = 10 * n;
  d.valC = 10 * (m - n);
}

// 700 - (340 - 250).
void Pattern29(Draw& d) {
  d.op = Operation::Sub;
  d.Special(form::kHundredsMinusDifference);
  d.valA = (d.Rnd(9) + 1) * 100;
  const int p = d.Rnd(90) + 10;
  const int q = d.Rnd(9) + 1;
  d.valB = 10 * p;
  d.valC = 10 * (p - q);
}

// Two digits plus two, the ones always carry, the sum at most 99.
void Pattern76(Draw& d) {
  d.op = Operation::Add;
  const int u = d.Rnd(9) + 1;
  d.valA = (d.Rnd(7) + 1) * 10 + u;
  const int tens = d.Rnd(8 - Tens(d.valA)) + 1;
  d.valB = tens * 10 + (10 - u) + d.Rnd(u);
}

// Two digits minus two, always a borrow.
void Pattern77(Draw& d) {
  d.op = Operation::Sub;
  const int u = d.Rnd(9);
  d.valA = (d.Rnd(8) + 2) * 10 + u;
  const int tens = d.Rnd(Tens(d.valA) - 1) + 1;
  d.valB = tens * 10 + d.Rnd(9 - u) + 1 + u;
}

// Two digits plus two making a whole ten, up to 100.
void Pattern78(Draw& d) {
  d.op = Operation::Add;
  const int u = d.Rnd(9) + 1;
  d.valA = d.Rnd(8) * 10 + 10 + u;
  d.valB = (d.Rnd(9 - Tens(d.valA)) + 1) * 10 + 10 - u;
}

// 100 minus two digits.
void Pattern79(Draw& d) {
  d.op = Operation::Sub;
  d.valA = 100;
  d.valB = d.Rnd(90) + 10;
}

// a + b - c with a positive result; only valC is drawn again (1 always passes).
void Pattern86(Draw& d) {
  d.op = Operation::Add;
  d.Special(form::kPlusMinus);
  d.valA = d.Rnd(9) + 1;
  d.valB = d.Rnd(9) + 1;
  do {
    d.valC = d.Rnd(9) + 1;
  } while (d.valA + d.valB - d.valC <= 0);
}

// a - b + c; valA 1 gives valB 1.
void Pattern87(Draw& d) {
  d.op = Operation::Sub;
  d.Special(form::kMinusPlus);
  d.valA = d.Rnd(9) + 1;
  d.valB = d.Rnd(d.valA - 1) + 1;
  d.valC = d.Rnd(9) + 1;
}

// The drills "+n" and "-n": 0..59 plus n, or n..59+n minus n.
void PlusDrill(Draw& d, int n) {
  d.op = Operation::Add;
  d.valA = d.Rnd(60);
  d.valB = n;
}

void MinusDrill(Draw& d, int n) {
  d.op = Operation::Sub;
  d.valA = d.Rnd(60) + n;
  d.valB = n;
}

// Two digits plus two reaching the hundreds; only valB is drawn again
// (90..99 always passes).
void Pattern121(Draw& d) {
  d.op = Operation::Add;
  d.valA = d.Rnd(90) + 10;
  do {
    d.valB = d.Rnd(90) + 10;
  } while (d.valA + d.valB <= 99);
}

// A hundred-and-something minus two digits leaving two digits (valA 100
// always passes).
void Pattern122(Draw& d) {
  d.op = Operation::Sub;
  do {
    d.valA = d.Rnd(99) + 100;
    d.valB = d.Rnd(90) + 10;
  } while (d.valA - d.valB >= 100);
}

}  // namespace kazenori::generators
