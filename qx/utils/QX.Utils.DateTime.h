#pragma once
// Date-times are days since 1899-12-30 as a double (the Unix epoch is 25569).
#include <cstdint>
#include <string>
#include <string_view>

#include "qx/utils/QX.Utils.FormatSettings.h"

namespace qx {

using TDateTime = double;

inline constexpr TDateTime kUnixEpochDateTime = 25569.0;
inline constexpr double kSecondsPerDay = 86400.0;

TDateTime UnixToDateTime(std::int64_t seconds);

// Pattern letters: yyyy year, mm month, dd day, hh hour (24 h), nn minute,
// ss second, each zero-padded; "/" is the date separator and ":" the time
// separator of `settings`; everything else is copied.
std::u16string FormatDateTimeText(std::u16string_view pattern, TDateTime dateTime, const TFormatSettings& settings);

}  // namespace qx
