#include "app/GuiMain.h"

#include <cstdio>

namespace kazenori {

int RunGui(int, char**) {
  std::puts("kazenori: the main window is not part of this build yet.");
  return 0;
}

}  // namespace kazenori
