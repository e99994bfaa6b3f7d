// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// Makes what was written through an open descriptor durable (fsync; _commit
// on Windows). Returns 0 or an errno value.
using DiskSync = int (*)(int descriptor);

// The writer calls the current function for the complete temporary file
// before it replaces the target, for a file rewritten in place, and for the
// target's folder after the replacement.
int SyncToDisk(int descriptor);

// Replaces the function SyncToDisk calls, so that a test can watch the order
// of events or make syncing fail; nullptr restores the system's. Returns the
// previous function.
DiskSync SetDiskSync(DiskSync sync);

}  // namespace veltrisko
