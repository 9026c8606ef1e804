// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QStyle>

namespace kazenori {

// `style`'s standard icon `which`, asked of the style only when
// it is first drawn or measured. The first standard icon a program asks for
// costs a search of the desktop's icon theme and the loading of Qt's image
// plug-ins: work that need not keep the window from appearing, since a button
// lays itself out by its icon size alone. The icon is the style's own: the
// same theme icon on a desktop that has one, Qt's own pictures elsewhere.
QIcon DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which);

}  // namespace kazenori
