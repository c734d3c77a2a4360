// A registered scheme as a browser uses it: the shell opens a link and starts
// the registered program with the link, whole, as its only argument.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <chrono>

#include "qx/utils/QX.Utils.CustomScheme.h"
#include "support/Process.Win.h"
#include "ui/Text.h"
#include "ui/WinText.Win.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 20s;
constexpr INT_PTR kShellErrorLimit = 32;  // ShellExecute results up to this are errors

INT_PTR OpenLikeABrowser(const std::u16string& link) {
  return reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", ui::W(link), nullptr, nullptr, SW_SHOWNORMAL));
}

TEST(CustomSchemeThroughTheShell, StartsTheRegisteredProgramWithTheLinkUntilUnregistered) {
  testsupport::TempDir dir;
  const std::u16string folder = dir.File(u"with space");
  ASSERT_TRUE(CreateDirectoryW(ui::W(folder), nullptr));
  const std::u16string id = ui::FromAscii("krvlshell-" + std::to_string(GetCurrentProcessId()));
  const std::u16string program = folder + u"\\" + id + u".exe";
  ASSERT_TRUE(CopyFileW(ui::W(testsupport::BinPath(u"arg_logger.exe")), ui::W(program), FALSE));
  const std::u16string log = program + u".log";

  const qx::utils::TCustomScheme scheme(id, program);
  ASSERT_TRUE(scheme.Register());
  const std::u16string link = id + u":ADDR?amount=1&label=Tea shop&message=a%20b";
  ASSERT_GT(OpenLikeABrowser(link), kShellErrorLimit);
  std::u16string logged;
  ASSERT_TRUE(testsupport::WaitUntil([&] { return !(logged = testsupport::ReadUtf8File(log)).empty(); },
                                     kStartTimeout));
  // The command line, then the one argument.
  const auto firstLine = logged.find(u'\n');
  ASSERT_NE(firstLine, std::u16string::npos);
  EXPECT_TRUE(logged.substr(firstLine + 1) == link + u"\n") << ui::ToUtf8(logged);
  EXPECT_TRUE(logged.starts_with(u"\"" + program + u"\" ")) << ui::ToUtf8(logged);

  ASSERT_TRUE(scheme.Unregister());
  ASSERT_TRUE(DeleteFileW(ui::W(log)));
  EXPECT_LE(OpenLikeABrowser(link), kShellErrorLimit);
  EXPECT_TRUE(testsupport::ReadUtf8File(log).empty());
}

}  // namespace
