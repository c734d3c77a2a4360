#pragma once
// A throwaway registry key for one test: HKCU\Software\KrvlTest-<pid>-<n>\,
// removed with everything below it on destruction.
#include <string>

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

}  // namespace testsupport
