// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace kazenori {

// The close button's cross, drawn rather than looked up: the style's close
// icon is a search of the desktop's icon theme (hundreds of folders read) at
// the window's first paint, a fifth of all the work of drawing it. Drawn in
// the palette's button text colour, so it keeps the text's contrast on light
// and dark themes alike, and sharp at every scale.
QIcon CloseIcon();

}  // namespace kazenori
