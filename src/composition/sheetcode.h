// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "composition/sheetoptions.h"

namespace kazenori {

// What makes one sheet again: the seed its composition started from, its
// place in that composition, and the options it was composed with (the
// print number being the sheet's own).
struct SheetRecipe {
  std::uint32_t seed = 0;
  int index = 0;  // 0-based
  SheetOptions options;
};

// Why a code was refused; what() is the message for the user, in Japanese.
class SheetCodeError : public std::runtime_error {
 public:
  enum class Kind { Malformed, Newer, InstructionDiffers };
  SheetCodeError(Kind kind, const std::string& text) : std::runtime_error(text), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// The layout of the codes this version writes and reads. A later version
// that changes the layout raises it, and this one refuses its codes. Codes
// of every earlier version are still read, each to the recipe it was made
// from: version 1 carried none of the options after the original sheet's,
// version 2 carries them and spends bits only where a sheet differs from the
// one most made.
inline constexpr int kSheetCodeVersion = 2;

// The code printed on a sheet: letters and digits that cannot be mistaken
// for one another, in groups of four joined by "-". Everything a recipe
// holds is in it except a typed-in instruction line, of which it keeps a
// check value only: that text is asked for again when the sheet is re-made.
// nullopt when the recipe cannot be carried (a sheet index or a colour
// setting no composition makes, or options version 1 cannot carry). `version`
// is only ever another value in tests: 1 writes the codes earlier builds
// printed, a later one the codes of a later version.
std::optional<std::string> EncodeSheetCode(const SheetRecipe& recipe,
                                           int version = kSheetCodeVersion);

// A code as a person may type it, in the form printed: full-width or
// half-width, either case, any spaces and dashes, O for 0 and I or L for 1.
// What is no letter of a code is kept, for DecodeSheetCode to refuse.
std::string TidySheetCode(const std::string& typed);

// The recipe of a code as the user typed it (spelled as TidySheetCode takes
// it). A code of a sheet no composition makes is refused as damaged. `typedInstruction` is the
// instruction line that a code of a sheet with a typed-in one is checked against and takes. Throws
// SheetCodeError for a code that is damaged, from a newer version, or whose
// instruction line is not `typedInstruction`.
SheetRecipe DecodeSheetCode(const std::string& code, const std::string& typedInstruction = {});

}  // namespace kazenori
