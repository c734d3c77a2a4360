#include "support/RegistrySandbox.Win.h"

#include <windows.h>

#include <string>

#include "ui/Text.h"
#include "ui/WinText.Win.h"

namespace testsupport {

RegistrySandbox::RegistrySandbox() {
  static int counter = 0;
  path_ = u"Software\\KrvlTest-" + ui::FromAscii(std::to_string(GetCurrentProcessId())) + u"-" +
          ui::FromAscii(std::to_string(++counter)) + u"\\";
  RegDeleteTreeW(HKEY_CURRENT_USER, ui::W(path_));
}

RegistrySandbox::~RegistrySandbox() {
  // Not the unit under test: the system's own tree deletion.
  RegDeleteTreeW(HKEY_CURRENT_USER, ui::W(path_));
  const std::u16string key = path_.substr(0, path_.size() - 1);
  RegDeleteKeyW(HKEY_CURRENT_USER, ui::W(key));
}

ui::UniqueKey CreateVolatileKey(HKEY root, const std::u16string& path) {
  std::u16string key = path;
  if (!key.empty() && key.back() == u'\\') key.pop_back();
  const std::size_t cut = key.find_last_of(u'\\');
  const std::u16string parent = cut == std::u16string::npos ? std::u16string() : key.substr(0, cut);
  ui::UniqueKey lasting;
  RegCreateKeyExW(root, ui::W(parent), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, lasting.put(),
                  nullptr);
  ui::UniqueKey result;
  RegCreateKeyExW(root, ui::W(key), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, result.put(), nullptr);
  return result;
}

}  // namespace testsupport
