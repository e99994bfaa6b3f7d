// SPDX-License-Identifier: MIT
#include "files/pending_temporary.h"

#include <atomic>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace veltrisko {
namespace {

// Longer names are not noted; such a path cannot be created anyway.
constexpr std::size_t kLongestName = 4096;

#ifdef _WIN32
wchar_t pending_name[kLongestName];
#else
char pending_name[kLongestName];
#endif
std::atomic<bool> pending{false};
static_assert(std::atomic<bool>::is_always_lock_free);

}  // namespace

void NotePendingTemporary(const std::string& name) {
  pending.store(false);
#ifdef _WIN32
  const int length = MultiByteToWideChar(CP_UTF8, 0, name.c_str(), -1, pending_name,
                                         static_cast<int>(kLongestName));
  if (length <= 0) return;
#else
  if (name.size() >= kLongestName) return;
  std::memcpy(pending_name, name.c_str(), name.size() + 1);
#endif
  pending.store(true);
}

void ClearPendingTemporary() { pending.store(false); }

void RemovePendingTemporary() {
  if (!pending.exchange(false)) return;
#ifdef _WIN32
  DeleteFileW(pending_name);
#else
  unlink(pending_name);
#endif
}

}  // namespace veltrisko
