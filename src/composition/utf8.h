// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kazenori {

// The characters of a UTF-8 text. A byte that starts no valid sequence
// stands for U+FFFD on its own, as it does when the window shows the text.
std::vector<char32_t> CodePoints(std::string_view text);

// The UTF-8 writing of `points`.
std::string Utf8(std::u32string_view points);

// The blanks an edit's text may be trimmed of: the ASCII controls tab to
// carriage return, U+0085 and the Unicode separators (the ideographic space
// U+3000 among them).
bool IsBlank(char32_t c);

// `text` without the blanks at either end.
std::string Trimmed(std::string_view text);

}  // namespace kazenori
