#pragma once
// The user's regional number and date rules as plain values, so number and
// time text is read and written the same way everywhere and tested natively.
#include <optional>
#include <string>
#include <string_view>

namespace qx {

struct TFormatSettings {
  char16_t DecimalSeparator = u'.';
  char16_t DateSeparator = u'/';
  char16_t TimeSeparator = u':';
};

// Decimal text in the user's format: optional sign, digits with at most one
// decimal separator, optional exponent; surrounding spaces are allowed. No
// group separators, no "inf"/"nan". Empty when the text does not convert.
std::optional<double> TextToFloat(std::u16string_view text, const TFormatSettings& settings);

// Fixed-point text with `decimals` digits after the user's decimal separator.
std::u16string FloatToFixedText(double value, int decimals, const TFormatSettings& settings);

}  // namespace qx
