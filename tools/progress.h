// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace veltrisko::tool {

// "table: 45 %" on standard error, rewritten in place as a long job goes on,
// and only when standard error is a terminal: logs and pipes stay clean.
class Progress {
 public:
  Progress(std::string label, std::uint64_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void Update(std::uint64_t done);

 private:
  std::string label_;
  std::uint64_t total_;
  bool shown_;
  int percent_ = -1;
};

}  // namespace veltrisko::tool
