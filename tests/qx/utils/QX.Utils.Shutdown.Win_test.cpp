#include "qx/utils/QX.Utils.Shutdown.Win.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/UniqueHandle.Win.h"

namespace {

// Stand-ins for ExitWindowsEx: record the request and whether the shutdown
// privilege was enabled in this process's token at that moment.
struct ExitRequest {
  UINT flags;
  DWORD reason;
  bool privilegeEnabled;
};
std::vector<ExitRequest> requests;
BOOL exitResult = TRUE;

bool ShutdownPrivilegeEnabled() {
  ui::UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
  LUID luid{};
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &luid)) return false;
  PRIVILEGE_SET set{};
  set.PrivilegeCount = 1;
  set.Privilege[0].Luid = luid;
  BOOL enabled = FALSE;
  return PrivilegeCheck(token.get(), &set, &enabled) && enabled;
}

BOOL WINAPI FakeExitWindows(UINT flags, DWORD reason) {
  requests.push_back({flags, reason, ShutdownPrivilegeEnabled()});
  return exitResult;
}

TEST(ShutdownWindows, EnablesThePrivilegeAndForcesTheRequest) {
  requests.clear();
  exitResult = TRUE;
  EXPECT_TRUE(qx::utils::RebootWindows(FakeExitWindows));
  EXPECT_TRUE(qx::utils::ShutdownWindows(EWX_SHUTDOWN, FakeExitWindows));
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].flags, 6u);
  EXPECT_EQ(requests[1].flags, static_cast<UINT>(EWX_SHUTDOWN | EWX_FORCE));
  for (const auto& r : requests) {
    EXPECT_EQ(r.reason, 0u);
    EXPECT_TRUE(r.privilegeEnabled);
  }
}

TEST(ShutdownWindows, RefusedRequestGivesFalseAndLeavesNoHandle) {
  requests.clear();
  exitResult = FALSE;
  DWORD before = 0, after = 0;
  GetProcessHandleCount(GetCurrentProcess(), &before);
  EXPECT_FALSE(qx::utils::RebootWindows(FakeExitWindows));
  GetProcessHandleCount(GetCurrentProcess(), &after);
  EXPECT_EQ(requests.size(), 1u);
  EXPECT_EQ(after, before);
}

}  // namespace
