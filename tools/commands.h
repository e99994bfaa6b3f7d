// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace veltrisko::tool {

// Each subcommand gets the arguments after its name and returns the exit
// status: 0 success, 1 failure (invalid code, write error), 2 usage error.
int RunEval(const std::vector<std::string>& args);
int RunTable(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);
int RunCompare(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunFit(const std::vector<std::string>& args);

// Prints "veltrisko-pattern: <message>" and a hint to standard error; returns 2.
int UsageError(const std::string& message);

}  // namespace veltrisko::tool
