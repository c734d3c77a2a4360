#pragma once
// The Win32 boundary of our UTF-16 text: wchar_t is 16 bits on Windows, so the
// views are reinterpreted, never converted.
#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is UTF-16");

namespace ui {

inline const wchar_t* W(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline wchar_t* W(std::u16string& text) { return reinterpret_cast<wchar_t*>(text.data()); }
inline std::wstring_view WView(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline std::u16string U16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
inline std::u16string U16(const wchar_t* text) { return text ? U16(std::wstring_view(text)) : std::u16string(); }

}  // namespace ui
