#include "qx/utils/QX.Utils.FormatSettings.Win.h"

#include <windows.h>

#include "ui/WinText.Win.h"

namespace qx {
namespace {

constexpr int kLocaleTextMax = 80;

std::u16string LocaleText(LCTYPE type) {
  wchar_t buf[kLocaleTextMax];
  const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buf, kLocaleTextMax);
  return n > 1 ? ui::U16(std::wstring_view(buf, static_cast<std::size_t>(n - 1))) : std::u16string();
}

// The first character of a format that is not a pattern letter or quote, e.g.
// "." in "dd.MM.yyyy"; used when the separator item itself is empty.
char16_t SeparatorOf(const std::u16string& format, char16_t fallback) {
  for (char16_t c : format) {
    const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (!letter && c != u'\'' && c != u' ') return c;
  }
  return fallback;
}

char16_t Separator(LCTYPE item, LCTYPE format, char16_t fallback) {
  const std::u16string text = LocaleText(item);
  return text.empty() ? SeparatorOf(LocaleText(format), fallback) : text.front();
}

}  // namespace

TFormatSettings GetUserFormatSettings() {
  const TFormatSettings defaults;
  TFormatSettings s;
  s.DecimalSeparator = Separator(LOCALE_SDECIMAL, LOCALE_SDECIMAL, defaults.DecimalSeparator);
  s.DateSeparator = Separator(LOCALE_SDATE, LOCALE_SSHORTDATE, defaults.DateSeparator);
  s.TimeSeparator = Separator(LOCALE_STIME, LOCALE_STIMEFORMAT, defaults.TimeSeparator);
  return s;
}

std::u16string UpperCaseUser(std::u16string_view text) {
  if (text.empty()) return {};
  const std::wstring_view in = ui::WView(text);
  const int n = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_UPPERCASE, in.data(), static_cast<int>(in.size()),
                              nullptr, 0, nullptr, nullptr, 0);
  if (n <= 0) return std::u16string(text);
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_UPPERCASE, in.data(), static_cast<int>(in.size()), ui::W(out), n,
                nullptr, nullptr, 0);
  return out;
}

}  // namespace qx
