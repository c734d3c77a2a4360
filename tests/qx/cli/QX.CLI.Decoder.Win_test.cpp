#include "qx/cli/QX.CLI.Decoder.Win.h"

#include <gtest/gtest.h>

#include <vector>

namespace qx::cli {
namespace {

constexpr UINT kShiftJis = 932;
constexpr UINT kWesternEurope = 1252;

struct DecodeCase {
  const char* name;
  UINT codePage;
  std::vector<std::string> reads;
  std::vector<std::u16string> texts;  // what each read gives
  std::u16string finish;
};

TEST(AnsiDecoder, CharactersSplitBetweenReadsAreDecodedWhole) {
  const DecodeCase cases[] = {
      {"double-byte split after the lead byte", kShiftJis, {"ab\x93\xFA\x96", "\x7B\x8C\xEA"}, {u"ab\u65E5", u"\u672C\u8A9E"}, u""},
      // 丁 is 92 9A: its trail byte is also a lead byte, so only a walk from
      // the start tells that the read ends on a whole character.
      {"trail byte in the lead range", kShiftJis, {"\x92\x9A", "\x92", "\x9A" "x"}, {u"\u4E01", u"", u"\u4E01x"}, u""},
      {"three-byte UTF-8 split", CP_UTF8, {"a\xE2", "\x82\xAC" "b"}, {u"a", u"\u20ACb"}, u""},
      {"four-byte UTF-8 byte by byte", CP_UTF8, {"\xF0", "\x9F", "\x98", "\x80"}, {u"", u"", u"", u"\U0001F600"}, u""},
      {"single-byte code page never waits", kWesternEurope, {"caf\xE9"}, {u"caf\u00E9"}, u""},
  };
  for (const auto& c : cases) {
    TAnsiDecoder decoder(c.codePage);
    for (std::size_t i = 0; i < c.reads.size(); ++i) EXPECT_EQ(decoder.Decode(c.reads[i]), c.texts[i]) << c.name << " read " << i;
    EXPECT_EQ(decoder.Finish(), c.finish) << c.name;
  }
}

TEST(AnsiDecoder, FinishGivesWhatWasKeptBack) {
  TAnsiDecoder decoder(CP_UTF8);
  EXPECT_EQ(decoder.Decode("x\xE2\x82"), u"x");
  const std::u16string rest = decoder.Finish();
  EXPECT_FALSE(rest.empty());
  EXPECT_EQ(rest.find(u'x'), std::u16string::npos);
  EXPECT_EQ(decoder.Finish(), u"");
}

}  // namespace
}  // namespace qx::cli
