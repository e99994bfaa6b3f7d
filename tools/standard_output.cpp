// SPDX-License-Identifier: MIT
#include "tools/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace veltrisko::tool {
namespace {

int first_failure = 0;  // errno of the first failed write, 0 while none failed

void NoteFailure(int error) {
  if (first_failure == 0) first_failure = error != 0 ? error : EIO;
}

}  // namespace

bool PutOut(std::string_view text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) NoteFailure(errno);
  return first_failure == 0;
}

std::optional<std::string> FinishStandardOutput() {
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) NoteFailure(errno);
  if (first_failure == 0) return std::nullopt;
  return std::string(std::strerror(first_failure));
}

}  // namespace veltrisko::tool
