// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui.h"

#include <cstdio>
#include <cstdlib>

#include "cli/commandline.h"
#include "pages/fonts.h"
#include "ui/application.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/windowsettings.h"

namespace kazenori {

int RunGui(int argc, char** argv) {
  Application app(argc, argv);
  InstallMessageCatalogue(app);
  RegisterFontSubstitutions();
  // The colour dialog outlives the main window that shows it; creating it
  // first changes nothing either one does at start-up.
  ColourWordDialog colourWordDialog;
  MainWindow window(colourWordDialog);
  window.rememberIn(DefaultSettingsFile());
  window.show();
  const int status = app.exec();
  // Printers given up on a hung server leave a thread inside Qt's printing,
  // whose call may return at any moment: into objects already destroyed if
  // the program were unwinding. Nothing is left to save, so the program ends
  // here, at once (and without waiting on that thread).
  if (window.printerDiscoveryStuck()) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}

}  // namespace kazenori
