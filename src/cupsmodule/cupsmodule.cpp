// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The CUPS module: the one object of the program that links libcups. It hands
// the print layer the libcups functions it calls, in a table; loading it is
// what loads libcups (see print/cupscalls.h).

#include "print/cupscalls.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#define KAZENORI_CUPS_ADDRESS(name) &::name,

extern "C" __attribute__((visibility("default"))) const kazenori::CupsCalls* kazenori_cups_calls() {
  static constexpr kazenori::CupsCalls kCalls{sizeof(kazenori::CupsCalls), kazenori::kCupsCallNames,
                                              KAZENORI_CUPS_CALLS(KAZENORI_CUPS_ADDRESS)};
  return &kCalls;
}

#pragma GCC diagnostic pop
