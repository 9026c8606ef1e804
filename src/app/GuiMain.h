#pragma once

namespace kazenori {

// Starts the desktop program: the main window and its event loop.
int RunGui(int argc, char** argv);

}  // namespace kazenori
