// SPDX-License-Identifier: MIT
#include "tools/interrupt_cleanup.h"

#include "files/pending_temporary.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace veltrisko::tool {
namespace {

#ifdef _WIN32
// Runs on a thread of its own; FALSE passes the event on to the default
// handler, which ends the process with STATUS_CONTROL_C_EXIT.
BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) {
    RemovePendingTemporary();
  }
  return FALSE;
}
#else
// Only async-signal-safe work: an unlink, then the signal again under its
// default action (SA_RESETHAND restored it), delivered once this returns.
void OnSignal(int signal) {
  RemovePendingTemporary();
  raise(signal);
}
#endif

}  // namespace

void RemoveTemporaryFileOnInterrupt() {
#ifdef _WIN32
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
#else
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction previous {};
    // A signal ignored by whoever started us (nohup) stays ignored.
    if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
#endif
}

}  // namespace veltrisko::tool
