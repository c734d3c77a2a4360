// Upper case by the user's locale, as Windows does it.
#include <gtest/gtest.h>

#include "qx/utils/QX.Utils.FormatSettings.Win.h"

namespace {

TEST(FormatSettingsWin, UpperCaseFollowsTheLocaleBeyondAscii) {
  EXPECT_EQ(qx::UpperCaseUser(u"krvl"), u"KRVL");
  EXPECT_EQ(qx::UpperCaseUser(u"Kr\u00e9v"), u"KR\u00c9V");
  EXPECT_EQ(qx::UpperCaseUser(u""), u"");
}

}  // namespace
