#include "qx/utils/QX.Utils.FormatSettings.h"

#include <gtest/gtest.h>

#include <optional>

#include "qx/utils/QX.Utils.DateTime.h"

namespace {

const qx::TFormatSettings kPoint{u'.', u'/', u':'};
const qx::TFormatSettings kComma{u',', u'.', u'.'};

TEST(FormatSettings, TextToFloatFollowsTheDecimalSeparator) {
  struct Case {
    std::u16string text;
    const qx::TFormatSettings& settings;
    std::optional<double> value;
  } cases[] = {
      {u"1000", kPoint, 1000},       {u"1000", kComma, 1000},     {u"1000.5", kPoint, 1000.5},
      {u"1000.5", kComma, {}},       {u"1000,5", kComma, 1000.5}, {u"1000,5", kPoint, {}},
      {u"-2.5", kPoint, -2.5},       {u"+3", kPoint, 3},          {u" 7 ", kPoint, 7},
      {u".5", kPoint, 0.5},          {u"5.", kPoint, 5},          {u"1e3", kPoint, 1000},
      {u"", kPoint, {}},             {u" ", kPoint, {}},          {u".", kPoint, {}},
      {u"abc", kPoint, {}},          {u"1,000", kPoint, {}},      {u"1e", kPoint, {}},
      {u"inf", kPoint, {}},          {u"nan", kPoint, {}},        {u"1e999", kPoint, {}},
      {u"0x10", kPoint, {}},         {u"1 000", kPoint, {}},      {u"\uFF11", kPoint, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(qx::TextToFloat(c.text, c.settings), c.value) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(FormatSettings, FixedTextUsesTheDecimalSeparator) {
  EXPECT_EQ(qx::FloatToFixedText(400, 8, kPoint), u"400.00000000");
  EXPECT_EQ(qx::FloatToFixedText(400, 8, kComma), u"400,00000000");
  EXPECT_EQ(qx::FloatToFixedText(1.0 / 3.0, 8, kPoint), u"0.33333333");
  EXPECT_EQ(qx::FloatToFixedText(2.5, 10, kComma), u"2,5000000000");
  EXPECT_EQ(qx::FloatToFixedText(1e20, 2, kPoint), u"100000000000000000000.00");
}

TEST(DateTime, FormatsWithTheRegionalSeparators) {
  const qx::TDateTime july8 = qx::UnixToDateTime(1531008000);  // 2018-07-08 00:00 UTC
  EXPECT_EQ(qx::FormatDateTimeText(u"yyyy/mm/dd hh:nn", july8, kPoint), u"2018/07/08 00:00");
  EXPECT_EQ(qx::FormatDateTimeText(u"yyyy/mm/dd hh:nn", july8, kComma), u"2018.07.08 00.00");
  EXPECT_EQ(qx::FormatDateTimeText(u"yyyy/mm/dd hh:nn", qx::kUnixEpochDateTime, kPoint), u"1970/01/01 00:00");
  EXPECT_EQ(qx::FormatDateTimeText(u"yyyy/mm/dd hh:nn:ss", qx::UnixToDateTime(951868799), kPoint),
            u"2000/02/29 23:59:59");
  // Floating error just below a whole minute still shows that minute.
  EXPECT_EQ(qx::FormatDateTimeText(u"hh:nn", qx::UnixToDateTime(1531008000 + 13 * 3600 + 5 * 60) - 1e-10, kPoint),
            u"13:05");
  EXPECT_EQ(qx::FormatDateTimeText(u"yyyy/mm/dd", 0, kPoint), u"1899/12/30");
  EXPECT_DOUBLE_EQ(qx::UnixToDateTime(0), 25569.0);
}

}  // namespace
