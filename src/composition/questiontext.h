// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

// The fixed pieces of the sheets' texts (UTF-8).
inline constexpr const char* kPlus = "＋";       // U+FF0B
inline constexpr const char* kMinus = "－";      // U+FF0D
inline constexpr const char* kTimes = "×";       // U+00D7
inline constexpr const char* kDivide = "÷";      // U+00F7
inline constexpr const char* kEquals = "＝";     // U+FF1D
inline constexpr const char* kBox = "□";         // U+25A1: hidden operator, blanked character
inline constexpr const char* kEllipsis = " … ";  // before a remainder
inline constexpr const char* kTwoSpaces = "  ";

// Operator sign of an operation code 1..4; empty for any other code.
std::string OperatorSign(Operation op);

// Replaces one character, drawn with Rnd(length), by "□". The texts given are
// numbers in ASCII digits, so a byte is a character; "" gives "□".
std::string BlankMark(const std::string& text, Random& rnd);

}  // namespace kazenori
