#include "tools/commands.h"

namespace veltrisko::tool {

// Replaced by the headless renderer.
int RunRender(const std::vector<std::string>&) { return UsageError("render is not built yet"); }

}  // namespace veltrisko::tool
