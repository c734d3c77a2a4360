#include "ui/CommandLine.Win.h"

#include <gtest/gtest.h>

#include "support/Process.Win.h"
#include "ui/Text.h"
#include "ui/WinText.Win.h"

namespace {

using namespace std::chrono_literals;

TEST(ParamStr, ArgumentZeroIsTheModulePath) {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  EXPECT_EQ(ui::ParamStr(0), ui::U16(std::wstring_view(path, n)));
  EXPECT_EQ(ui::ModuleFileName(), ui::ParamStr(0));
  EXPECT_EQ(ui::ParamStr(-1), u"");
  EXPECT_EQ(ui::ParamStr(ui::ParamCount() + 1), u"");
}

// A child sees its own command line split by the runtime rules, and argument 0
// is its full path whatever was written.
TEST(ParamStr, ChildProcessesSeeTheirArguments) {
  testsupport::TempDir dir;
  const std::u16string probe = testsupport::BinPath(u"shell_probe.exe");
  struct Case {
    std::u16string args;
    std::u16string expected;  // count, arguments 1.., switch
  } cases[] = {
      {u"", u"0\nswitch=\n"},
      {u" \"\" --DUMMY \"korvalcoin:A?b c\"", u"2\n--DUMMY\nkorvalcoin:A?b c\nswitch=dummy\n"},
      {u" \"dummy \"", u"1\ndummy \nswitch=dummy \n"},
      {u" \"", u"0\nswitch=\n"},
      {u" \U0001F600\u65E5", u"1\n\U0001F600\u65E5\nswitch=\U0001F600\u65E5\n"},
  };
  std::vector<testsupport::Child> children;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::u16string out = dir.File(u"out" + ui::FromAscii(std::to_string(i)) + u".txt");
    children.push_back(testsupport::StartProcess(u"shell_probe" + cases[i].args, {{u"KRVL_PROBE_OUT", out}}));
  }
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ASSERT_TRUE(children[i].WaitExit(20s));
    std::u16string out = testsupport::ReadUtf8File(dir.File(u"out" + ui::FromAscii(std::to_string(i)) + u".txt"));
    out.resize(std::min(out.size(), out.find(u"message=")));
    const std::size_t first = out.find(u'\n');
    const std::size_t second = out.find(u'\n', first + 1);
    ASSERT_NE(second, std::u16string::npos) << i;
    EXPECT_EQ(out.substr(first + 1, second - first - 1), probe) << i;
    EXPECT_EQ(out.substr(0, first + 1) + out.substr(second + 1), cases[i].expected) << i;
  }
}

}  // namespace
