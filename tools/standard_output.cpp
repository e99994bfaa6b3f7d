// SPDX-License-Identifier: MIT
#include "tools/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace veltrisko::tool {

std::optional<std::string> FinishStandardOutput() {
  // A failed write leaves its bytes in the buffer, so the flush tries them
  // again and meets the same reason.
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return std::nullopt;
  const int error = errno != 0 ? errno : EIO;
  return std::string(std::strerror(error));
}

}  // namespace veltrisko::tool
