// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace veltrisko {

// The temporary file that WriteFileAtomically is filling, kept where a
// signal handler (POSIX) or a console control handler (Windows) finds it, so
// that an interrupted write leaves nothing behind. One at a time: a program
// writes its files one after the other.
void NotePendingTemporary(const std::string& name);
void ClearPendingTemporary();

// Removes the noted temporary file, if any. Async-signal-safe on POSIX (one
// atomic exchange and unlink); on Windows the file is deleted once its last
// handle closes, which the process's exit does.
void RemovePendingTemporary();

}  // namespace veltrisko
