#include "app/GuiMain.h"

#include <QFont>

#include "app/Fmain.h"
#include "app/KazenoriApplication.h"
#include "composition/Fcolor.h"

namespace kazenori {

int RunGui(int argc, char** argv) {
  KazenoriApplication app(argc, argv);
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  // The colour dialog outlives the main window that shows it; creating it
  // first changes nothing either one does at start-up.
  TFrmColor frmColor;
  TForm1 form1(frmColor);
  form1.show();
  return app.exec();
}

}  // namespace kazenori
