#include "ui/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::u16string>;

TEST(SplitCommandLine, FollowsTheRuntimeRules) {
  const std::u16string loneHigh(1, char16_t(0xD800));
  const std::u16string loneLow(1, char16_t(0xDC00));
  struct Case {
    std::u16string line;
    Args args;
  } cases[] = {
      {u"", {}},
      {u"   \t ", {}},
      {u"prog", {u"prog"}},
      {u"prog a b", {u"prog", u"a", u"b"}},
      {u"\"C:\\Program Files\\x.exe\" dummy", {u"C:\\Program Files\\x.exe", u"dummy"}},
      // Codes 1..32 all separate; 33 does not.
      {u"p\x01" u"a\ta\nb\rc\x1F" u"d\x20" u"e!f", {u"p", u"a", u"a", u"b", u"c", u"d", u"e!f"}},
      // Quotes join and vanish anywhere in an argument; no escapes.
      {u"p a\"b c\"d", {u"p", u"ab cd"}},
      {u"p \"dummy \"", {u"p", u"dummy "}},
      {u"p \\\"a b\\\"", {u"p", u"\\a b\\"}},
      {u"p a\"\"b", {u"p", u"ab"}},
      // An empty pair at the start of an argument is white space.
      {u"p \"\"", {u"p"}},
      {u"p \"\" dummy", {u"p", u"dummy"}},
      {u"p \"\"\"\"dummy", {u"p", u"dummy"}},
      {u"p \"\"\"a b\"", {u"p", u"a b"}},
      // Unpaired quotes run to the end; a lone trailing quote counts nothing.
      {u"p \"a b", {u"p", u"a b"}},
      {u"p \"", {u"p"}},
      {u"p \"\"\"", {u"p"}},
      {u"p x\"", {u"p", u"x"}},
      // Non-BMP characters and lone surrogates pass through as units.
      {u"p \U0001F600 \u65E5\u672C", {u"p", u"\U0001F600", u"\u65E5\u672C"}},
      {u"p " + loneHigh + u" x" + loneLow, {u"p", loneHigh, u"x" + loneLow}},
      // The text ends at NUL.
      {std::u16string(u"p a\0b c", 7), {u"p", u"a"}},
      {std::u16string(u"\0p", 2), {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ui::SplitCommandLine(c.line), c.args) << ui::SplitCommandLine(c.line).size();
  }
}

TEST(SplitCommandLine, HandlesVeryLongLines) {
  const std::u16string big(32767, u'x');
  EXPECT_EQ(ui::SplitCommandLine(u"p " + big), (Args{u"p", big}));

  std::u16string quotes(32767, u'"');
  EXPECT_EQ(ui::SplitCommandLine(u"p " + quotes), Args{u"p"});

  std::u16string many;
  for (int i = 0; i < 16000; ++i) many += u"a ";
  EXPECT_EQ(ui::SplitCommandLine(many).size(), 16000u);
}

}  // namespace
