#pragma once
// A throwaway registry key for one test: HKCU\Software\KrvlTest-<pid>-<n>\,
// removed with everything below it on destruction.
#include <windows.h>

#include <string>

#include "ui/UniqueHandle.Win.h"

namespace testsupport {

class RegistrySandbox {
 public:
  RegistrySandbox();
  ~RegistrySandbox();
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;
  // Relative to HKEY_CURRENT_USER, with a trailing backslash.
  const std::u16string& Path() const { return path_; }

 private:
  std::u16string path_;
};

// A volatile key at `path` (trailing backslash allowed), under which no lasting
// subkey can be made. Its parent is made lasting first: created on the way by a
// volatile create, a missing parent (say Software\Classes of a new prefix)
// would turn volatile too and block every later write below it.
ui::UniqueKey CreateVolatileKey(HKEY root, const std::u16string& path);

}  // namespace testsupport
