// SPDX-License-Identifier: MIT
#include "files/disk_sync.h"

#include <atomic>
#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace veltrisko {
namespace {

int SystemDiskSync(int descriptor) {
#ifdef _WIN32
  return _commit(descriptor) == 0 ? 0 : errno;
#else
  return fsync(descriptor) == 0 ? 0 : errno;
#endif
}

std::atomic<DiskSync> current_sync{&SystemDiskSync};

}  // namespace

int SyncToDisk(int descriptor) { return current_sync.load()(descriptor); }

DiskSync SetDiskSync(DiskSync sync) {
  return current_sync.exchange(sync != nullptr ? sync : &SystemDiskSync);
}

}  // namespace veltrisko
