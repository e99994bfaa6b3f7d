// SPDX-License-Identifier: MIT
#include "tools/progress.h"

#include <cerrno>
#include <cstdio>
#include <utility>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace veltrisko::tool {

namespace {

// isatty sets errno when the answer is no; a writer's error must survive.
bool IsTerminal(std::FILE* stream) {
  const int saved = errno;
  const bool terminal = isatty(fileno(stream)) != 0;
  errno = saved;
  return terminal;
}

}  // namespace

Progress::Progress(std::string label, std::uint64_t total)
    : label_(std::move(label)), total_(total), shown_(IsTerminal(stderr)) {}

Progress::~Progress() {
  if (shown_ && percent_ >= 0) std::fputs("\r\033[K", stderr);
}

void Progress::Update(std::uint64_t done) {
  if (!shown_ || total_ == 0) return;
  const int percent = static_cast<int>(done * 100 / total_);
  if (percent == percent_) return;
  percent_ = percent;
  std::fprintf(stderr, "\r%s: %d %%", label_.c_str(), percent);
  std::fflush(stderr);
}

}  // namespace veltrisko::tool
