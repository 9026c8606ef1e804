// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A CUPS module as an older build made it, with a table of fewer calls: the
// print layer must refuse it without calling any.

#include <cstddef>

namespace {

struct OlderCalls {
  std::size_t size;
  const char* names;
  void (*cupsCancelJob2)();
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const void* kazenori_cups_calls() {
  static constexpr OlderCalls kCalls{sizeof(OlderCalls), "cupsCancelJob2 ", nullptr};
  return &kCalls;
}
