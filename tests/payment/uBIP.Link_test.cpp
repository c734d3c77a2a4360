#include <gtest/gtest.h>

#include "payment/uBIP.h"

namespace {

using payment::NormalizedPaymentLink;
using payment::QueryEncode;
using payment::ReadPaymentLink;
using payment::TBIPUtils;
using payment::TPaymentFields;

TEST(QueryEncode, EncodesControlsSpacesNonAsciiAndFiveMarks) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u""},
      {u"Tea shop", u"Tea%20shop"},
      {u"Caf\u00e9", u"Caf%C3%A9"},
      {u"\"#'<>", u"%22%23%27%3C%3E"},
      {u"a&b=c?d+e/f:g%20h", u"a&b=c?d+e/f:g%20h"},
      {u"-._~!$()*,;@[]\\^`{|}", u"-._~!$()*,;@[]\\^`{|}"},
      {u"\t\r\n\x7F", u"%09%0D%0A%7F"},
      {std::u16string(u"a\0b", 3), u"a%00b"},
      {u"\U0001F600", u"%F0%9F%98%80"},
      {std::u16string(1, char16_t(0xD800)), u"%EF%BF%BD"},
      {u"x" + std::u16string(1, char16_t(0xDFFF)), u"x%EF%BF%BD"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(QueryEncode(in), out);
}

TEST(CreateKIP21, BuildsLinksInTheFixedOrder) {
  struct Case {
    std::u16string address, amount, label, message, amountExt, amountType, link;
  } cases[] = {
      {u"ADDR", u"1.5", u"Tea shop", u"Thanks!", u"", u"", u"korvalcoin:ADDR?amount=1.5&label=Tea%20shop&message=Thanks!"},
      {u"ADDR", u"", u"", u"", u"1000", u"JPY", u"korvalcoin:ADDR?amountExt=1000&amountType=JPY"},
      {u"ADDR", u"", u"Caf\u00e9", u"", u"5", u"", u"korvalcoin:ADDR?amountExt=5&label=Caf%C3%A9"},
      {u"ADDR", u"", u"", u"", u"", u"JPY", u"korvalcoin:ADDR"},
      {u"ADDR", u"", u"", u"", u"", u"", u"korvalcoin:ADDR"},
      {u"ADDR", u"", u"", u"a&b=c", u"", u"", u"korvalcoin:ADDR?message=a&b=c"},
      {u"AD?DR", u"2", u"", u"", u"", u"", u"korvalcoin:AD?DR&amount=2"},
      {u"", u"1", u"", u"", u"", u"", u"korvalcoin:?amount=1"},
      {u"A D", u"1 2", u"", u"", u"3 4", u"J Y", u"korvalcoin:A D?amount=1%202&amountExt=3%204&amountType=J%20Y"},
      {u"ADDR", u"1", u"l", u"m", u"2", u"USD", u"korvalcoin:ADDR?amount=1&amountExt=2&amountType=USD&label=l&message=m"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TBIPUtils::CreateKIP21(c.address, c.amount, c.label, c.message, c.amountExt, c.amountType), c.link);
  }
}

void ExpectFields(std::u16string_view link, const TPaymentFields& want) {
  const TPaymentFields got = ReadPaymentLink(link);
  const std::string where(link.begin(), link.end());
  EXPECT_EQ(got.hasAddress, want.hasAddress) << where;
  EXPECT_EQ(got.address, want.address) << where;
  EXPECT_EQ(got.amount, want.amount) << where;
  EXPECT_EQ(got.label, want.label) << where;
  EXPECT_EQ(got.message, want.message) << where;
  EXPECT_EQ(got.amountExt, want.amountExt) << where;
  EXPECT_EQ(got.amountType, want.amountType) << where;
}

TEST(ReadPaymentLink, CutsAtSeparatorsAndEncodesLabelAndMessage) {
  struct Case {
    std::u16string link;
    TPaymentFields fields;  // address, amount, label, message, amountExt, amountType, hasAddress
  } cases[] = {
      {u"korvalcoin://ADDR?amount=1&label=a%20b", {u"ADDR", u"1", u"a%20b", u"", u"", u"", true}},
      {u"korvalcoin:ADDR?AMOUNT=3&label=x:y/z", {u"ADDR", u"3", u"x", u"", u"", u"", true}},
      {u"korvalcoin:?amount=1", {u"", u"1", u"", u"", u"", u"", true}},
      {u"korvalcoin:ADDR", {u"ADDR", u"", u"", u"", u"", u"", true}},
      {u"korvalcoin:ADDR?label=Tea shop&message=a+b", {u"ADDR", u"", u"Tea%20shop", u"a+b", u"", u"", true}},
      {u"pay:ADDR?amount=2", {u"ADDR", u"2", u"", u"", u"", u"", true}},
      {u"korvalcoin", {u"", u"", u"", u"", u"", u"", false}},
      {u"", {u"", u"", u"", u"", u"", u"", false}},
      {u"korvalcoin:", {u"", u"", u"", u"", u"", u"", false}},
      {u"korvalcoin::", {u"", u"", u"", u"", u"", u"", true}},
      // Extension fields as read; first match wins; other parameters ignored.
      {u"korvalcoin:ADDR?amountExt=1 000&AmountType=jpy&amount=1&amount=2&req-x=1",
       {u"ADDR", u"1", u"", u"", u"1 000", u"jpy", true}},
      // Values keep further "="; the address may hold "=" and still be a field.
      {u"k:amount=5?label=a=b", {u"amount=5", u"5", u"a=b", u"", u"", u"", true}},
      // Raw line breaks split too; CR LF is one break.
      {u"k:A\r\nlabel=\u65E5\nmessage=\"<x>\"\r", {u"A", u"", u"%E6%97%A5", u"%22%3Cx%3E%22", u"", u"", true}},
      {u"k:A\r\rmessage=m", {u"A", u"", u"", u"m", u"", u"", true}},
      // The name must match exactly apart from case.
      {u"k:A?amount =1&amounts=2& amount=3", {u"A", u"", u"", u"", u"", u"", true}},
  };
  for (const auto& c : cases) ExpectFields(c.link, c.fields);
}

TEST(ReadPaymentLink, ABuiltLinkLosesSlashesAndIsCutAtColons) {
  const std::u16string built = TBIPUtils::CreateKIP21(u"ADDR", u"1", u"a/b:c", u"x y", u"", u"");
  const TPaymentFields fields = ReadPaymentLink(built);
  EXPECT_EQ(fields.label, u"ab");
  EXPECT_EQ(fields.message, u"x%20y");
  EXPECT_EQ(fields.amount, u"1");
}

TEST(ReadPaymentLink, SurvivesHostileText) {
  std::u16string hostile(32768, u'&');
  hostile[5] = u':';
  for (std::size_t i = 7; i < hostile.size(); i += 3) hostile[i] = char16_t(0xD800 + i % 0x800);
  hostile += std::u16string(u"&label=\0x", 9);
  const TPaymentFields fields = ReadPaymentLink(hostile);
  EXPECT_TRUE(fields.hasAddress);
  EXPECT_EQ(fields.label, u"%00x");
  EXPECT_EQ(ReadPaymentLink(std::u16string(40000, u'/')).hasAddress, false);
}

TEST(NormalizedPaymentLink, JoinsNonEmptyValuesAfterTheAddress) {
  struct Case {
    std::u16string address, amount, label, message, link;
  } cases[] = {
      {u"ADDR", u"2", u"", u"Hi", u"korvalcoin:ADDR?amount=2&message=Hi"},
      {u"ADDR", u"", u"", u"", u"korvalcoin:ADDR"},
      {u"ADDR", u"", u"a%20b", u"", u"korvalcoin:ADDR?label=a%20b"},
      {u"ADDR", u"1.5", u"l", u"m", u"korvalcoin:ADDR?amount=1.5&label=l&message=m"},
      {u"", u"", u"", u"", u"korvalcoin:"},
      // Address and amount as held; the wallet's command line does the quoting.
      {u"A\" -x \"", u"1 --y", u"", u"", u"korvalcoin:A\" -x \"?amount=1 --y"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizedPaymentLink(c.address, c.amount, c.label, c.message), c.link);
}

TEST(NormalizedPaymentLink, KeepsWhatTheReaderFound) {
  const TPaymentFields f = ReadPaymentLink(u"korvalcoin://ADDR?amount=1.25&label=Tea shop&message=50%25 off&x=y");
  EXPECT_EQ(NormalizedPaymentLink(f.address, f.amount, f.label, f.message),
            u"korvalcoin:ADDR?amount=1.25&label=Tea%20shop&message=50%25%20off");
}

}  // namespace
