// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>

#include <cstdio>

#include "cli/batchrun.h"
#include "ui/gui.h"

namespace {

// Whether the window has nowhere to appear: no X or Wayland display named, and
// no platform chosen that needs none (such as offscreen). Qt would abort.
bool NoDisplay() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const bool x = !qEnvironmentVariableIsEmpty("DISPLAY");
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (platform.isEmpty()) return !x && !wayland;
  if (!platform.contains("xcb") && !platform.contains("wayland")) return false;
  return !(platform.contains("xcb") && x) && !(platform.contains("wayland") && wayland);
}

}  // namespace

// No arguments: the desktop program. Any argument: the command line, which
// needs no display.
int main(int argc, char** argv) {
  if (argc <= 1) {
    if (NoDisplay()) {
      std::fputs(
          "kazenori: there is no display for the window (DISPLAY and WAYLAND_DISPLAY are unset);\n"
          "kazenori: without one, write the sheets with --pdf FILE or --json FILE (see --help)\n",
          stderr);
      return 1;
    }
    return kazenori::RunGui(argc, argv);
  }
  return kazenori::RunCommandLine(argc, argv);
}
