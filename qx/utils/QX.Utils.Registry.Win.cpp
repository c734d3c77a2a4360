#include "qx/utils/QX.Utils.Registry.Win.h"

#include <array>

#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace qx::utils {
namespace {

constexpr DWORD kValueChars = 255;
constexpr DWORD kSubkeyNameChars = 260;

ui::UniqueKey OpenKey(HKEY iRoot, const std::u16string& iPath) {
  ui::UniqueKey key;
  if (RegOpenKeyExW(iRoot, ui::W(StripLastBackslash(iPath)), 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS) {
    key.release();
  }
  return key;
}

// Deepest keys first; true when the key itself was deleted.
bool DeleteRegKeyTree(HKEY iRoot, std::u16string path) {
  if (IsRootPath(path)) return false;
  if (!path.ends_with(u'\\')) path += u'\\';
  const ui::UniqueKey key = OpenKey(iRoot, path);
  if (!key) return false;
  DWORD index = 0;
  for (;;) {
    std::array<wchar_t, kSubkeyNameChars> name{};
    DWORD count = kSubkeyNameChars;
    FILETIME lastWrite{};
    if (RegEnumKeyExW(key.get(), index, name.data(), &count, nullptr, nullptr, nullptr, &lastWrite) !=
        ERROR_SUCCESS) {
      break;
    }
    // A deleted subkey's place is taken by the next one; one that stays is stepped over.
    if (!DeleteRegKeyTree(iRoot, path + ui::U16(std::wstring_view(name.data(), count)))) ++index;
  }
  return RegDeleteKeyW(iRoot, ui::W(path)) == ERROR_SUCCESS;
}

}  // namespace

bool WriteRegString(HKEY iRoot, const std::u16string& iPath, const std::u16string& iName,
                    const std::u16string& iValue) {
  ui::UniqueKey key;
  if (RegCreateKeyExW(iRoot, ui::W(iPath), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.put(),
                      nullptr) != ERROR_SUCCESS) {
    key.release();
    return false;
  }
  const auto bytes = static_cast<DWORD>(sizeof(char16_t) * (iValue.size() + 1));
  return RegSetValueExW(key.get(), ui::W(iName), 0, REG_SZ, reinterpret_cast<const BYTE*>(iValue.c_str()), bytes) ==
         ERROR_SUCCESS;
}

std::u16string ReadRegString(HKEY iRoot, const std::u16string& iPath, const std::u16string& iName) {
  std::array<char16_t, kValueChars> buffer{};
  const ui::UniqueKey key = OpenKey(iRoot, iPath);
  if (!key) return {};
  DWORD type = 0;
  DWORD bytes = sizeof(buffer);
  if (RegQueryValueExW(key.get(), ui::W(iName), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) !=
      ERROR_SUCCESS) {
    return {};
  }
  // Whatever the stored type, the bytes are read as UTF-16.
  return TrimRegText(std::u16string_view(buffer.data(), bytes / sizeof(char16_t)));
}

bool RegKeyExists(HKEY iRoot, const std::u16string& iPath) { return static_cast<bool>(OpenKey(iRoot, iPath)); }

bool DeleteRegKey(HKEY iRoot, const std::u16string& iPath) {
  // Refused, and reported as not deleted: the root itself cannot go.
  if (IsRootPath(iPath)) return false;
  DeleteRegKeyTree(iRoot, iPath);
  return !RegKeyExists(iRoot, iPath);
}

}  // namespace qx::utils
