#pragma once
// Restarting or shutting down Windows after enabling the shutdown privilege.
#include <windows.h>

namespace qx::utils {

// The final exit request; tests pass a stand-in so nothing is ever shut down.
using ExitWindowsFn = BOOL(WINAPI*)(UINT flags, DWORD reason);

// True when the privilege was enabled and the system accepted the request.
// EWX_FORCE is always added: applications are closed without being asked.
bool ShutdownWindows(UINT flags, ExitWindowsFn exitWindows = ExitWindowsEx);
// A forced restart.
bool RebootWindows(ExitWindowsFn exitWindows = ExitWindowsEx);

}  // namespace qx::utils
