#include "qx/utils/QX.Utils.Application.h"

#include <cstdio>

#include "ui/Text.h"

namespace qx::utils {

bool StartsWithAny(std::u16string_view text, const std::vector<std::u16string>& prefixes) {
  for (const auto& prefix : prefixes) {
    if (text.starts_with(prefix)) return true;
  }
  return false;
}

std::u16string StripSwitchPrefixes(std::u16string lowered) {
  static const std::vector<std::u16string> kSwitchPrefixes = {u"-", u"/"};
  while (StartsWithAny(lowered, kSwitchPrefixes)) lowered.erase(0, 1);
  return lowered;
}

std::u16string FormatProductVersion(unsigned long mostSignificant, unsigned long leastSignificant) {
  constexpr unsigned kWordBits = 16;
  constexpr unsigned long kWordMask = 0xFFFF;
  char text[64];
  std::snprintf(text, sizeof text, "%d.%d.%d", static_cast<int>((mostSignificant >> kWordBits) & kWordMask),
                static_cast<int>(mostSignificant & kWordMask),
                static_cast<int>((leastSignificant >> kWordBits) & kWordMask));
  return ui::FromAscii(text);
}

}  // namespace qx::utils
