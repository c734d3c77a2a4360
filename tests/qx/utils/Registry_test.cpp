#include "qx/utils/QX.Utils.Registry.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistryText, StripLastBackslashRemovesOneTrailingBackslash) {
  const struct {
    std::u16string_view path, expected;
  } cases[] = {
      {u"", u""},
      {u"\\", u""},
      {u"a\\b\\", u"a\\b"},
      {u"a\\b", u"a\\b"},
      {u"a\\\\", u"a\\"},
  };
  for (const auto& c : cases) EXPECT_TRUE(qx::utils::StripLastBackslash(c.path) == c.expected);
}

TEST(RegistryText, TrimDropsEveryControlAndSpaceAtBothEnds) {
  const struct {
    std::u16string_view text, expected;
  } cases[] = {
      {std::u16string_view(u"value\0", 6), u"value"},
      {u" \t\r\nin side \x01\x1f ", u"in side"},
      {u"\u00a0nbsp\u3000", u"\u00a0nbsp\u3000"},  // only units up to U+0020 go
      {u"   ", u""},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_TRUE(qx::utils::TrimRegText(c.text) == c.expected);
}

TEST(RegistryText, RootPathsAreEmptyOrOnlyBackslashes) {
  for (std::u16string_view p : {u"", u"\\", u"\\\\", u"\\\\\\"}) EXPECT_TRUE(qx::utils::IsRootPath(p));
  for (std::u16string_view p : {u"a", u"\\a", u"a\\", u"\\\\a\\\\"}) EXPECT_FALSE(qx::utils::IsRootPath(p));
}

}  // namespace
