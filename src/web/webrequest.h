// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "composition/sheetcode.h"
#include "composition/sheetoptions.h"

namespace kazenori {

// A mistake in what the page asked for; what() is for the user, in Japanese.
class WebRequestError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The options of a flat JSON object, as text: a string as it is, a number as
// written, true as "" (a switch given), false and null as not given. Throws
// WebRequestError for anything but such an object.
std::map<std::string, std::string> ReadFlatJson(const std::string& json);

// What the page asks for, in the command line's own option names and values
// (patterns, grade, zero, hide, blank, message, print-number, sheets, seed,
// code, bonus, colours, words, problems, red-answers, score, grid,
// grid-size), so that a link's parameters and a command
// line name the same sheets.
struct WebRequest {
  SheetOptions sheet;
  int sheets = 1;
  std::optional<std::uint32_t> seed;
  std::optional<SheetRecipe> remake;
};

// Checks the options together as the command line does. Throws WebRequestError.
WebRequest ReadWebRequest(const std::map<std::string, std::string>& options);

// "7,8,9" or "111-120" and mixtures, as the command line reads them.
std::vector<int> ReadPatternList(const std::string& list);

}  // namespace kazenori
