#include <windows.h>

#include "qx/utils/QX.Utils.CustomScheme.h"
#include "qx/utils/QX.Utils.Registry.Win.h"

namespace qx::utils {
namespace {

HKEY RootKey(TRegRoot root) { return root == TRegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

}  // namespace

bool TCustomScheme::Register() const {
  if (!Valid()) return false;
  for (const auto& w : RegistrationValues()) {
    if (!WriteRegString(RootKey(w.root), w.path, w.name, w.data)) return false;
  }
  return true;
}

bool TCustomScheme::Registered() const {
  return Valid() && RegKeyExists(HKEY_LOCAL_MACHINE, FRegSchemePath) &&
         RegKeyExists(HKEY_CURRENT_USER, FRegSchemePath) && RegKeyExists(HKEY_LOCAL_MACHINE, FRegAppPath);
}

bool TCustomScheme::Unregister() const {
  return Valid() && DeleteRegKey(HKEY_LOCAL_MACHINE, FRegSchemePath) &&
         DeleteRegKey(HKEY_CURRENT_USER, FRegSchemePath) && DeleteRegKey(HKEY_LOCAL_MACHINE, FRegAppPath);
}

std::u16string TCustomScheme::GetAppPath(const std::u16string& iScheme) {
  return AppPathFromCommand(ReadRegString(HKEY_LOCAL_MACHINE, OpenCommandPath(iScheme), u""));
}

}  // namespace qx::utils
