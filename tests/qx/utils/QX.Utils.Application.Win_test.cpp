#include "qx/utils/QX.Utils.Application.Win.h"

#include <gtest/gtest.h>

#include "support/Process.Win.h"
#include "ui/CommandLine.Win.h"

namespace {

TEST(NormalizeSwitch, LowerCasesThenStripsPrefixes) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"--DUMMY", u"dummy"}, {u"/dummy", u"dummy"}, {u"-/-/Dummy", u"dummy"}, {u"dummy", u"dummy"},
      {u"-", u""},            {u"-a-b", u"a-b"},     {u"x/dummy", u"x/dummy"}, {u"", u""},
      {u"dummy ", u"dummy "}, {u"\u00C4BC", u"\u00E4bc"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(qx::utils::NormalizeSwitch(in), out);
}

TEST(GetFileProductVersion, IsUnknownWithoutAVersionResource) {
  EXPECT_EQ(qx::utils::GetFileProductVersion(ui::ParamStr(0)), u"unknown");
  EXPECT_EQ(qx::utils::GetFileProductVersion(testsupport::BinPath(u"no-such-file.exe")), u"unknown");
}

}  // namespace
