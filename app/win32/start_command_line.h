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

// Tells the user a text: on the standard output or error the program was
// given, else on the console it was started from, else (if `boxElse`) in a
// message box.
void TellUser(const std::string& utf8, bool isError, bool boxElse = true);

}  // namespace veltrisko
