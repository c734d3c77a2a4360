#pragma once
// A GUID written as text ("{C7D3C846-1FA8-47E7-B0D4-F94D0022A85A}"), parsed at
// compile time so a malformed id fails the build.
#include <array>
#include <compare>
#include <cstdint>
#include <string_view>

namespace ui {

struct Guid {
  std::array<std::uint8_t, 16> bytes{};

  friend constexpr auto operator<=>(const Guid&, const Guid&) = default;

  static consteval Guid Parse(std::string_view text) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') throw "malformed GUID";
    Guid g;
    int nibble = 0;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
      const char c = text[i];
      if (c == '-') continue;
      int v;
      if (c >= '0' && c <= '9') v = c - '0';
      else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
      else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
      else throw "malformed GUID";
      if (nibble >= 32) throw "malformed GUID";
      g.bytes[nibble / 2] = static_cast<std::uint8_t>(g.bytes[nibble / 2] | (nibble % 2 ? v : v << 4));
      ++nibble;
    }
    if (nibble != 32) throw "malformed GUID";
    return g;
  }
};

}  // namespace ui
