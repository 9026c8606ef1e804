// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QTextStream;

namespace kazenori {

class InterruptGuard;
struct CommandLineRequest;

// Carries out a request in a running Qt application: composes and writes the
// outputs, each either complete or not touched at all. Returns the exit
// status: 0, 1 (a failure while printing or writing), 2 (a usage error), 3 (a
// print job CUPS still had, in progress or held, when the wait was over).
// With a guard, an interrupt leaves no temporary file behind. `printersStuck`,
// where given, tells whether the printers were given up on with a thread
// still stuck on the print server (the process should then end at once).
int ExecuteCommandLine(const CommandLineRequest& request, QTextStream& out, QTextStream& err,
                       InterruptGuard* interrupts = nullptr, bool* printersStuck = nullptr);

// The whole command line from main(): parses, answers --help, --version and
// --list-patterns without Qt, otherwise starts a QGuiApplication on the
// offscreen platform (whatever QT_QPA_PLATFORM says) and executes.
int RunCommandLine(int argc, char** argv);

}  // namespace kazenori
