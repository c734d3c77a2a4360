#include "ui/Color.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ui {

namespace {
constexpr std::size_t kArgbDigits = 8;
constexpr int kHexBase = 16;
constexpr int kChannelBits = 8;
constexpr int kColorBits = 32;
constexpr TAlphaColor kChannelMask = 0xFF;
}  // namespace

std::optional<TAlphaColor> ParseColor(std::string_view text) {
  if (text.size() != kArgbDigits + 1 || text.front() != '#') return std::nullopt;
  TAlphaColor value = 0;
  const char* first = text.data() + 1;
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(first, last, value, kHexBase);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

TAlphaColor InterpolateColor(TAlphaColor from, TAlphaColor to, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  TAlphaColor out = 0;
  for (int shift = 0; shift < kColorBits; shift += kChannelBits) {
    const float a = static_cast<float>((from >> shift) & kChannelMask);
    const float b = static_cast<float>((to >> shift) & kChannelMask);
    const auto c = static_cast<TAlphaColor>(std::lround(a + (b - a) * t));
    out |= (c & kChannelMask) << shift;
  }
  return out;
}

}  // namespace ui
