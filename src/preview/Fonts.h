// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kazenori {

// The pages and windows name the Japanese fonts of the original platform
// ("ＭＳ ゴシック", "ＭＳ Ｐゴシック"); here they stand for the IPA fonts.
// Every Qt entry point calls this once after creating its application object.
// Writes a clear message to stderr when the IPA fonts are not installed.
// Returns true when both substitutes were found.
bool RegisterFontSubstitutions();

}  // namespace kazenori
