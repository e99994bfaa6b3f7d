// SPDX-License-Identifier: MIT
// Test helper: the readout text the viewers show for the cursor at a pixel of
// a picture of the given size, for the arguments of `veltrisko-pattern
// render` (--output is not needed) and --at X,Y; "-" when the cursor is off
// the pattern.
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/direction_readout.h"
#include "analysis/surface_pick.h"
#include "tools/render_options.h"

int main(int argc, char** argv) {
  using namespace veltrisko;
  std::vector<std::string> arguments{argv + 1, argv + argc};
  double x = -1, y = -1;
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] != "--at") continue;
    if (std::sscanf(arguments[i + 1].c_str(), "%lf,%lf", &x, &y) != 2) break;
    arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                    arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    break;
  }
  tool::RenderOptions options;
  arguments.insert(arguments.end(), {"--output", "-"});
  const auto problem = tool::ParseRenderOptions(arguments, options);
  if (problem || x < 0 || y < 0) {
    std::fprintf(stderr, "readout_at: %s\n", problem ? problem->c_str() : "--at X,Y is needed");
    return 2;
  }
  const char* horizontal = options.codes.horizontal.c_str();
  const char* vertical = options.codes.vertical.c_str();
  const auto direction = DirectionUnderCursor(
      options.scene, ClientRect{0, 0, options.width, options.height}, horizontal, vertical, {x, y});
  const auto readout =
      direction ? ReadDirection(options.scene, horizontal, vertical, *direction) : std::nullopt;
  std::fputs(readout ? ReadoutText(*readout).c_str() : "-", stdout);
  return 0;
}
