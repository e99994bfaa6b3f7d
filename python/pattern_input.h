// SPDX-License-Identifier: MIT
#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "interchange/pattern_file.h"

namespace veltrisko::python {

// A path given as str, bytes or os.PathLike (pathlib.Path), as the file
// system's bytes; TypeError for anything else.
std::string FileSystemPath(pybind11::handle path);

// The pattern file at `path`; raises OSError for a file that cannot be opened
// (FileNotFoundError for a missing one, PermissionError, ...) and ValueError
// with the reader's message for one that cannot be read.
PatternFile ReadPatternFileOrRaise(const std::string& path);

}  // namespace veltrisko::python
