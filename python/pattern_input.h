// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "interchange/pattern_file.h"

namespace veltrisko::python {

// The pattern file at `path`; raises ValueError with the reader's message.
PatternFile ReadPatternFileOrRaise(const std::string& path);

}  // namespace veltrisko::python
