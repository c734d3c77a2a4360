#include "qx/utils/QX.Utils.Application.h"

#include <gtest/gtest.h>

namespace {

using qx::utils::StartsWithAny;

TEST(StartsWithAny, MatchesExactPrefixes) {
  const std::vector<std::u16string> dashOrSlash = {u"-", u"/"};
  EXPECT_TRUE(StartsWithAny(u"/x", dashOrSlash));
  EXPECT_TRUE(StartsWithAny(u"-", dashOrSlash));
  EXPECT_FALSE(StartsWithAny(u"x", dashOrSlash));
  EXPECT_FALSE(StartsWithAny(u"", dashOrSlash));
  EXPECT_FALSE(StartsWithAny(u"x-", dashOrSlash));
  EXPECT_FALSE(StartsWithAny(u"Dummy", {u"dummy"}));  // case-sensitive
  EXPECT_FALSE(StartsWithAny(u"du", {u"dummy"}));
  EXPECT_TRUE(StartsWithAny(u"anything", {u"zz", u""}));
  EXPECT_TRUE(StartsWithAny(u"", {u""}));
  EXPECT_FALSE(StartsWithAny(u"anything", {}));
}

TEST(StripSwitchPrefixes, RemovesAnyMixOfLeadingDashesAndSlashes) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"dummy", u"dummy"}, {u"--dummy", u"dummy"}, {u"-/-/dummy", u"dummy"}, {u"-", u""},
      {u"", u""},           {u"-a-b", u"a-b"},      {u"x/dummy", u"x/dummy"}, {u"//-", u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(qx::utils::StripSwitchPrefixes(in), out);
}

TEST(FormatProductVersion, ShowsThreePartsOfTheVersion) {
  EXPECT_EQ(qx::utils::FormatProductVersion(0x00010000, 0x00030000), u"1.0.3");
  EXPECT_EQ(qx::utils::FormatProductVersion(0x00010000, 0x00030007), u"1.0.3");
  EXPECT_EQ(qx::utils::FormatProductVersion(0xFFFF0002, 0x00100000), u"65535.2.16");
}

}  // namespace
