#include "qx/utils/QX.Utils.RunAsAdmin.Win.h"

#include <gtest/gtest.h>

#include "support/Process.Win.h"
#include "ui/WinText.Win.h"

namespace {

struct Seen {
  int shellCalls = 0;
  DWORD size = 0;
  ULONG mask = 0;
  HWND owner = nullptr;
  std::wstring verb, file, parameters;
  bool hasDirectory = false;
  int show = -1;
  int winExecCalls = 0;
  std::string winExecLine;
  UINT winExecShow = 0;
};
Seen seen;
bool vista = true;
BOOL shellResult = TRUE;
UINT winExecResult = 33;

BOOL WINAPI FakeShellExecuteEx(SHELLEXECUTEINFOW* info) {
  ++seen.shellCalls;
  seen.size = info->cbSize;
  seen.mask = info->fMask;
  seen.owner = info->hwnd;
  seen.verb = info->lpVerb ? info->lpVerb : L"";
  seen.file = info->lpFile ? info->lpFile : L"";
  seen.parameters = info->lpParameters ? info->lpParameters : L"";
  seen.hasDirectory = info->lpDirectory != nullptr;
  seen.show = info->nShow;
  return shellResult;
}

UINT WINAPI FakeWinExec(LPCSTR line, UINT show) {
  ++seen.winExecCalls;
  seen.winExecLine = line;
  seen.winExecShow = show;
  return winExecResult;
}

const qx::utils::RunAsAdminApi kFakeApi{[] { return vista; }, FakeShellExecuteEx, FakeWinExec};

class RunAsAdminTest : public ::testing::Test {
 protected:
  void SetUp() override {
    seen = {};
    vista = true;
    shellResult = TRUE;
    winExecResult = 33;
  }
};

TEST_F(RunAsAdminTest, AsksTheShellToElevateWithoutUi) {
  EXPECT_TRUE(qx::utils::RunAsAdmin(kFakeApi, u"C:\\a b\\x.exe", u"dummy", true));
  EXPECT_EQ(seen.shellCalls, 1);
  EXPECT_EQ(seen.size, sizeof(SHELLEXECUTEINFOW));
  EXPECT_EQ(seen.mask, 0x500u);
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_EQ(seen.verb, L"runas");
  EXPECT_EQ(seen.file, L"C:\\a b\\x.exe");
  EXPECT_EQ(seen.parameters, L"dummy");
  EXPECT_FALSE(seen.hasDirectory);
  EXPECT_EQ(seen.show, SW_SHOWNORMAL);
  EXPECT_EQ(seen.winExecCalls, 0);

  EXPECT_TRUE(qx::utils::RunAsAdmin(kFakeApi, u"x.exe", u"", false));
  EXPECT_EQ(seen.show, SW_HIDE);

  shellResult = FALSE;  // the user refused the prompt
  EXPECT_FALSE(qx::utils::RunAsAdmin(kFakeApi, u"x.exe", u"dummy", true));
}

TEST_F(RunAsAdminTest, BeforeVistaStartsThePlainCommandLineShown) {
  vista = false;
  EXPECT_TRUE(qx::utils::RunAsAdmin(kFakeApi, u"C:\\a b\\x.exe", u"dummy 2", false));
  EXPECT_EQ(seen.shellCalls, 0);
  EXPECT_EQ(seen.winExecLine, "\"C:\\a b\\x.exe\" dummy 2");
  EXPECT_EQ(seen.winExecShow, static_cast<UINT>(SW_SHOWNORMAL));

  winExecResult = 31;  // highest error code
  EXPECT_FALSE(qx::utils::RunAsAdmin(kFakeApi, u"x.exe", u"", true));
  winExecResult = 32;
  EXPECT_TRUE(qx::utils::RunAsAdmin(kFakeApi, u"x.exe", u"", true));
}

TEST(RunAsAdmin, MissingProgramGivesFalseAndShowsNothing) {
  testsupport::TempDir dir;
  EXPECT_FALSE(qx::utils::RunAsAdmin(dir.File(u"missing.exe"), u"dummy", true));
  // No error box of any kind appeared in this process.
  EXPECT_TRUE(testsupport::WindowsOfProcess(GetCurrentProcessId(), L"#32770").empty());
}

}  // namespace
