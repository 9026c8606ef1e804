// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser engine's compose call compiled natively, for the benchmark's
// ratio: the same C function, the same options, the same JSON out.
// Usage: nativecompose OPTIONS_JSON  (prints milliseconds and bytes)

#include <chrono>
#include <cstdio>
#include <cstring>

extern "C" const char* kazenori_compose(const char* optionsJson);
extern "C" const char* kazenori_error();

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const auto start = std::chrono::steady_clock::now();
  const char* json = kazenori_compose(argv[1]);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  if (*json == '\0') {
    std::fprintf(stderr, "%s\n", kazenori_error());
    return 1;
  }
  std::printf("%.1f ms %zu bytes\n", took.count(), std::strlen(json));
  return 0;
}
