#include "qx/utils/QX.Utils.DateTime.h"

#include <array>
#include <cmath>

namespace qx {
namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
constexpr std::int64_t kUnixEpochDays = 25569;

struct TCivil {
  std::int64_t year;
  int month, day, hour, minute, second;
};

// Days since 1970-01-01 to a proleptic Gregorian date (H. Hinnant's algorithm).
void CivilFromDays(std::int64_t z, TCivil& c) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  c.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  c.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  c.year = yoe + era * 400 + (c.month <= 2 ? 1 : 0);
}

TCivil Decode(TDateTime dateTime) {
  // Rounded to the millisecond so 0.9999999 of a minute does not show as the minute before.
  const auto ms = static_cast<std::int64_t>(std::llround(dateTime * static_cast<double>(kMillisecondsPerDay)));
  std::int64_t days = ms / kMillisecondsPerDay;
  std::int64_t rest = ms % kMillisecondsPerDay;
  if (rest < 0) {
    rest += kMillisecondsPerDay;
    --days;
  }
  TCivil c{};
  CivilFromDays(days - kUnixEpochDays, c);
  const std::int64_t seconds = rest / 1000;
  c.hour = static_cast<int>(seconds / 3600);
  c.minute = static_cast<int>(seconds / 60 % 60);
  c.second = static_cast<int>(seconds % 60);
  return c;
}

void AppendPadded(std::u16string& out, std::int64_t value, std::size_t width) {
  std::u16string digits;
  std::uint64_t v = value < 0 ? static_cast<std::uint64_t>(-value) : static_cast<std::uint64_t>(value);
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + v % 10));
    v /= 10;
  } while (v != 0);
  if (digits.size() < width) digits.insert(0, width - digits.size(), u'0');
  if (value < 0) out += u'-';
  out += digits;
}

}  // namespace

TDateTime UnixToDateTime(std::int64_t seconds) {
  return kUnixEpochDateTime + static_cast<double>(seconds) / kSecondsPerDay;
}

std::u16string FormatDateTimeText(std::u16string_view pattern, TDateTime dateTime, const TFormatSettings& settings) {
  const TCivil c = Decode(dateTime);
  struct Token {
    std::u16string_view letters;
    std::int64_t value;
    std::size_t width;
  };
  const std::array<Token, 6> tokens{{{u"yyyy", c.year, 4},
                                      {u"mm", c.month, 2},
                                      {u"dd", c.day, 2},
                                      {u"hh", c.hour, 2},
                                      {u"nn", c.minute, 2},
                                      {u"ss", c.second, 2}}};
  std::u16string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    bool matched = false;
    for (const Token& t : tokens) {
      if (pattern.substr(i, t.letters.size()) == t.letters) {
        AppendPadded(out, t.value, t.width);
        i += t.letters.size();
        matched = true;
        break;
      }
    }
    if (matched) continue;
    const char16_t ch = pattern[i++];
    out += ch == u'/' ? settings.DateSeparator : ch == u':' ? settings.TimeSeparator : ch;
  }
  return out;
}

}  // namespace qx
