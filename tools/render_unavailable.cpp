// SPDX-License-Identifier: MIT
// The render command where no headless OpenGL surface exists yet (Windows).
#include <cstdio>
#include <string>
#include <vector>

#include "tools/commands.h"

namespace veltrisko::tool {

const char* const kRenderHelpNote =
    "\nOn Windows the render command is not available yet; eval and table are.\n";

int RunRender(const std::vector<std::string>&) {
  std::fputs("veltrisko-pattern: render is not available on Windows yet\n", stderr);
  return 1;
}

}  // namespace veltrisko::tool
