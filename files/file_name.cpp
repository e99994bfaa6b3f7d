// SPDX-License-Identifier: MIT
#include "files/file_name.h"

namespace veltrisko {

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WithExtensionIfNone(const std::string& path, std::string_view extension) {
  if (path.empty() || extension.empty() || FileNameOf(path).find('.') != std::string::npos)
    return path;
  return path + "." + std::string(extension);
}

}  // namespace veltrisko
