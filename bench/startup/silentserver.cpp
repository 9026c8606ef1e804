// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A hung print server for the start-up benchmark: prints its address
// (127.0.0.1:PORT, for CUPS_SERVER), then takes connections and never answers
// until its standard input closes.
// Usage: silentserver
#include <cstdio>

#include "support/silentprintserver.h"

int main() {
  kazenori::testing::SilentPrintServer server;
  if (!server.Listening()) return 1;
  std::printf("%s\n", server.Address().c_str());
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  return 0;
}
