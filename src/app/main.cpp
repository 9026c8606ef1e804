#include "app/GuiMain.h"

int main(int argc, char** argv) {
  return kazenori::RunGui(argc, argv);
}
