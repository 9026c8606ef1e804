// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace kazenori {

// The windows' font "ＭＳ Ｐゴシック" at `designedPixelSize`, the size the
// windows were drawn for beside a desktop font of 9 points. A larger desktop
// font enlarges it in proportion (a smaller one leaves it), and the windows'
// layouts grow with their text.
QFont WindowFont(int designedPixelSize);

}  // namespace kazenori
