#include "ui/LocaleService.Win.h"

#include <windows.h>

#include "ui/WinText.Win.h"

namespace ui {
namespace {
constexpr int kLangNameCapacity = 9;  // LOCALE_SISO639LANGNAME holds at most 9 characters
}

std::u16string TWinLocaleService::GetCurrentLangID() {
  wchar_t name[kLangNameCapacity + 1] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, name, kLangNameCapacity + 1) <= 1) return u"en";
  return U16(name);
}

}  // namespace ui
