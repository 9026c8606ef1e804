// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>
#include <QFileInfo>
#include <QLibraryInfo>

#include <cstdio>

#include "cli/batchrun.h"
#include "cli/commandline.h"
#include "ui/gui.h"

namespace {

// Qt's Wayland platform comes in a package of its own (qt6-wayland).
bool WaylandSupportInstalled() {
  return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqwayland-generic.so"));
}

// Why the window cannot appear, or nothing when it can: no X or Wayland
// display named, or only Wayland without Qt's support for it, and no platform
// chosen that needs no display (such as offscreen). Qt would abort.
const char* NoDisplay() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const bool x = !qEnvironmentVariableIsEmpty("DISPLAY");
  const bool waylandSession = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  const bool wayland = waylandSession && WaylandSupportInstalled();
  const bool anyPlatform = platform.isEmpty();
  if (!anyPlatform && !platform.contains("xcb") && !platform.contains("wayland")) return nullptr;
  if ((anyPlatform || platform.contains("xcb")) && x) return nullptr;
  if ((anyPlatform || platform.contains("wayland")) && wayland) return nullptr;
  if (waylandSession && !WaylandSupportInstalled())
    return QT_TRANSLATE_NOOP("kazenori",
                             "kazenori: the window needs Qt's Wayland support: install the Debian "
                             "package qt6-wayland\n");
  return QT_TRANSLATE_NOOP("kazenori",
                           "kazenori: there is no display for the window (DISPLAY and "
                           "WAYLAND_DISPLAY are unset)\n");
}

}  // namespace

// No arguments: the desktop program. Any argument: the command line, which
// needs no display.
int main(int argc, char** argv) {
  if (argc <= 1) {
    if (const char* why = NoDisplay()) {
      std::fputs(qUtf8Printable(kazenori::Tr(why)), stderr);
      std::fputs(qUtf8Printable(kazenori::Tr(QT_TRANSLATE_NOOP(
                     "kazenori",
                     "kazenori: without one, write the sheets with --pdf FILE or --json FILE (see "
                     "--help)\n"))),
                 stderr);
      return 1;
    }
    return kazenori::RunGui(argc, argv);
  }
  return kazenori::RunCommandLine(argc, argv);
}
