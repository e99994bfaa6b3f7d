// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace veltrisko {

// The file's name without its folders; either slash separates them.
std::string FileNameOf(const std::string& path);
// The folders before it, with the last slash; empty for a bare name.
std::string FolderOf(const std::string& path);

// `path` with "." and `extension` added when its file name has no dot, as a
// save dialog's chosen type adds it: a name given its own extension keeps
// it. An empty path or extension leaves the path as it is.
std::string WithExtensionIfNone(const std::string& path, std::string_view extension);

}  // namespace veltrisko
