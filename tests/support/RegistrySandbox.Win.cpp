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

}  // namespace testsupport
