// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace kazenori {

// The windows' font "ＭＳ Ｐゴシック" at `designedPixelSize`, the size the
// windows were drawn for beside a desktop font of 9 points. A larger desktop
// font enlarges it in proportion (a smaller one leaves it), and the windows'
// layouts grow with their text. The font is named by the family registered to
// stand for "ＭＳ Ｐゴシック" (see RegisterFontSubstitutions), the same face:
// Qt finds an installed family at once, while for a name no font has it asks
// fontconfig for fallbacks for every script first, several milliseconds
// before the window can appear.
QFont WindowFont(int designedPixelSize);

}  // namespace kazenori
