// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko::tool {

// On SIGINT, SIGTERM and SIGHUP (on Windows: Ctrl+C, Ctrl+Break and the
// console's closing) the temporary file of the write in progress is removed
// and the process then ends as the signal's default action ends it, with
// the signal's status. An existing output file stays as it was.
void RemoveTemporaryFileOnInterrupt();

}  // namespace veltrisko::tool
