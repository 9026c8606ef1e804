// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QString>

#include "print/cupsmodule.h"

namespace kazenori {
namespace {

// The build's module is taken, found by its name as the build's programs find
// it; a missing one, a library that is no module and a module of an older
// build are refused, each saying which and why.
TEST(CupsModuleTest, TakesOnlyThisBuildsModule) {
  struct Row {
    QString path;
    const char* problem;  // empty: taken
  };
  for (const Row& row : {
           Row{QStringLiteral("kazenori-cups.so"), ""},
           Row{QStringLiteral(KAZENORI_BINARY_DIR "/no-such/kazenori-cups.so"), "cannot be loaded"},
           Row{QStringLiteral("libz.so.1"), "is not this program's"},
           Row{QStringLiteral(KAZENORI_BINARY_DIR "/tests/stale-cups.so"), "is not this program's"},
       }) {
    const CupsModule module = LoadCupsModule(row.path);
    if (*row.problem == '\0') {
      ASSERT_NE(module.calls, nullptr) << module.problem.toStdString();
      // libcups' own functions, of the one libcups in the process.
      EXPECT_EQ(module.calls->cupsSetServer, &::cupsSetServer);
      continue;
    }
    EXPECT_EQ(module.calls, nullptr) << row.path.toStdString();
    EXPECT_TRUE(module.problem.contains(QString::fromUtf8(row.problem)) &&
                module.problem.contains(row.path))
        << module.problem.toStdString();
  }
}

}  // namespace
}  // namespace kazenori
