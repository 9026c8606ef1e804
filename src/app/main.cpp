#include <cstdio>
#include <cstring>

// Placeholder start-up until the main window lands: says what exists.
int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  std::puts("kazenori: the problem generator is built; the main window is not yet part of this build.");
  return 0;
}
