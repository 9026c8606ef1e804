// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui.h"

#include "pages/fonts.h"
#include "ui/application.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"

namespace kazenori {

int RunGui(int argc, char** argv) {
  Application app(argc, argv);
  RegisterFontSubstitutions();
  // The colour dialog outlives the main window that shows it; creating it
  // first changes nothing either one does at start-up.
  ColourWordDialog colourWordDialog;
  MainWindow window(colourWordDialog);
  window.show();
  return app.exec();
}

}  // namespace kazenori
