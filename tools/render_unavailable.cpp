// SPDX-License-Identifier: MIT
// `render` in the WebAssembly build, which has no OpenGL to draw with.
#include <cstdio>

#include "tools/commands.h"

namespace veltrisko::tool {

int RunRender(const std::vector<std::string>&) {
  std::fputs(
      "veltrisko-pattern: render is not available in the WebAssembly build for Node (it needs "
      "OpenGL); use the native veltrisko-pattern to draw a frame.\n",
      stderr);
  return 2;
}

}  // namespace veltrisko::tool
