// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kazenori {

// Starts the desktop program: the main window and its event loop.
int RunGui(int argc, char** argv);

}  // namespace kazenori
