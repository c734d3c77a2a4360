#include "qx/utils/QX.Utils.Shutdown.Win.h"

#include "ui/UniqueHandle.Win.h"

namespace qx::utils {

namespace {
constexpr DWORD kNoReason = 0;
}

bool ShutdownWindows(UINT flags, ExitWindowsFn exitWindows) {
  ui::UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) return false;
  LUID shutdownPrivilege{};
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdownPrivilege)) return false;
  TOKEN_PRIVILEGES wanted{};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Luid = shutdownPrivilege;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous{};
  DWORD previousSize = sizeof(previous);
  // Success without the privilege assigned (ERROR_NOT_ALL_ASSIGNED) still counts;
  // the exit request then fails on its own.
  if (!AdjustTokenPrivileges(token.get(), FALSE, &wanted, sizeof(previous), &previous, &previousSize)) return false;
  return exitWindows(flags | EWX_FORCE, kNoReason) != FALSE;
}

bool RebootWindows(ExitWindowsFn exitWindows) { return ShutdownWindows(EWX_REBOOT, exitWindows); }

}  // namespace qx::utils
