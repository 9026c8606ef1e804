// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kazenori {

// The run-time conversion error of a text that is not an integer; the
// application's error handler shows what() (UTF-8).
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const std::string& text);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// The integer value of an edit's text (UTF-8): optional surrounding blanks, an
// optional sign and decimal digits within the signed 32-bit range. Anything
// else throws ConversionError ("'%s' は整数ではありません").
std::int32_t StrToInt(const std::string& text);

// The print number of the main window. Composing numbers the sheets from it;
// the caller then sets it to the first number + sheets - pages, so that each
// printed page, advancing it by one, leaves it at the next sheet's number once
// every page is printed (N + 1 for one worksheet, N after only one of its
// pages). The number shown stops at the ends of the 32-bit range instead of
// wrapping round, so a sheet never gets a negative number by overflow; the
// count behind it runs on, so that a step past an end and the step back agree
// (printing N = -2147483648 leaves N + 1, not N + 2).
class PrintNumberCycle {
 public:
  std::int32_t Value() const;
  void Set(std::int32_t value) { value_ = value; }
  void Set(std::int64_t value) { value_ = value; }
  // Throws ConversionError and keeps the value.
  void ReadFrom(const std::string& text) { value_ = StrToInt(text); }
  // After composing `sheets` sheets of `pages` pages in all from `first`.
  void SetForPrinting(std::int32_t first, int sheets, int pages) {
    value_ = static_cast<std::int64_t>(first) + sheets - pages;
  }
  void Lower();
  void Advance();  // once per printed page
  std::string Text() const { return std::to_string(Value()); }

 private:
  std::int64_t value_ = 1;
};

}  // namespace kazenori
