// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The libcups functions the print layer calls, reached through the CUPS
// module (src/cupsmodule): the program itself does not link libcups, so that
// libcups and the score of libraries it needs are loaded at the first CUPS
// call, after the window is shown, not before main. The module links libcups
// as any library does, so the package's library scan still finds it.

#include <cstddef>

#include <cups/cups.h>
#include <cups/ppd.h>

// Every libcups function called through the module, one a line. A new call
// is one more line here; the table's check then refuses a module built
// before it.
#define KAZENORI_CUPS_CALLS(X) \
  X(cupsCancelJob2)            \
  X(cupsCreateJob)             \
  X(cupsDoRequest)             \
  X(cupsEncryption)            \
  X(cupsFinishDocument)        \
  X(cupsGetPPD3)               \
  X(cupsLastError)             \
  X(cupsLastErrorString)       \
  X(cupsServer)                \
  X(cupsSetServer)             \
  X(cupsStartDocument)         \
  X(cupsWriteRequestData)      \
  X(httpAssembleURIf)          \
  X(httpClose)                 \
  X(httpConnect2)              \
  X(httpSetTimeout)            \
  X(ippAddString)              \
  X(ippAddStrings)             \
  X(ippDelete)                 \
  X(ippFindAttribute)          \
  X(ippGetBoolean)             \
  X(ippGetInteger)             \
  X(ippGetString)              \
  X(ippNewRequest)             \
  X(ippPort)                   \
  X(ppdClose)                  \
  X(ppdFindOption)             \
  X(ppdOpenFile)

#define KAZENORI_CUPS_NAME(name) #name " "
// A member of the function's own name and type (a name, not an expression).
#define KAZENORI_CUPS_MEMBER(name) decltype(&::name) name;  // NOLINT(bugprone-macro-parentheses)

// The PPD calls are deprecated in libcups, yet they are the only way to a
// driver's input slots.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace kazenori {

// What the module hands out. `size` and `names` are the module's own, as it
// was built: a table of another length or of other calls is refused, never
// called.
struct CupsCalls {
  std::size_t size;
  const char* names;
  KAZENORI_CUPS_CALLS(KAZENORI_CUPS_MEMBER)
};

inline constexpr char kCupsCallNames[] = KAZENORI_CUPS_CALLS(KAZENORI_CUPS_NAME);

// The module's one entry point, and its file.
inline constexpr char kCupsModuleEntry[] = "kazenori_cups_calls";
using CupsModuleEntry = const CupsCalls* (*)();
inline constexpr char kCupsModuleFile[] = "kazenori-cups.so";

}  // namespace kazenori

#pragma GCC diagnostic pop
