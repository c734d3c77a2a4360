#pragma once
// UTF-16 <-> UTF-8. Lone surrogates and malformed UTF-8 become U+FFFD, so the
// output is always well-formed.
#include <string>
#include <string_view>

namespace ui {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// ASCII-only conveniences for literals and logs.
std::u16string FromAscii(std::string_view text);

}  // namespace ui
