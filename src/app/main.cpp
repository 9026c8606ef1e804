// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/GuiMain.h"

// No arguments: the desktop program. Any argument: the command line, which
// needs no display.
int main(int argc, char** argv) {
  if (argc <= 1) return kazenori::RunGui(argc, argv);
  return kazenori::RunCommandLine(argc, argv);
}
