// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "app/logic/command_line.h"

namespace veltrisko {

inline constexpr char kWindowsProgramName[] = "veltrisko";

// Reads the program's command line (UTF-16, GetCommandLineW). For --help,
// --version and a wrong command line it answers (on the console the
// program was started from, else in a message box) and gives the exit
// status; otherwise the options to start with.
struct StartRequest {
  std::optional<StartOptions> options;
  int exitStatus = 0;
};
StartRequest ReadStartCommandLine();

// Types the codes the options name into the open dialog's edit fields, as a
// user would, and tells about a code that does not come into force.
void TypeStartCodes(const StartOptions& options);

// Writes a text to the standard output or error the program was given, else
// to the console it was started from; false where there is neither.
bool TellOnConsole(const std::string& utf8, bool isError);

// Tells the user a text on the console (TellOnConsole), else in a message box.
void TellUser(const std::string& utf8, bool isError);

}  // namespace veltrisko
