#include "qx/utils/QX.Utils.FormatSettings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qx {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::optional<double> TextToFloat(std::u16string_view text, const TFormatSettings& settings) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  // Rebuilt as plain C-locale ASCII, checked character by character, so
  // strtod never sees anything it could read differently.
  std::string ascii;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
  int mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    ascii += static_cast<char>(text[i++]);
    ++mantissaDigits;
  }
  if (i < text.size() && text[i] == settings.DecimalSeparator) {
    ascii += '.';
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      ascii += static_cast<char>(text[i++]);
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ascii += 'e';
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
    int exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
      ascii += static_cast<char>(text[i++]);
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const double value = std::strtod(ascii.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::u16string FloatToFixedText(double value, int decimals, const TFormatSettings& settings) {
  const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  if (size <= 0) return {};
  std::string ascii(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(ascii.data(), ascii.size(), "%.*f", decimals, value);
  ascii.resize(static_cast<std::size_t>(size));
  std::u16string result;
  result.reserve(ascii.size());
  for (char c : ascii) result += c == '.' ? settings.DecimalSeparator : static_cast<char16_t>(c);
  return result;
}

}  // namespace qx
