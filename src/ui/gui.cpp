// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/GuiMain.h"

#include "app/Fmain.h"
#include "app/KazenoriApplication.h"
#include "composition/Fcolor.h"
#include "preview/Fonts.h"

namespace kazenori {

int RunGui(int argc, char** argv) {
  KazenoriApplication app(argc, argv);
  RegisterFontSubstitutions();
  // The colour dialog outlives the main window that shows it; creating it
  // first changes nothing either one does at start-up.
  TFrmColor frmColor;
  TForm1 form1(frmColor);
  form1.show();
  return app.exec();
}

}  // namespace kazenori
