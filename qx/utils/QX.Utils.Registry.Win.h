#pragma once
// String values in the Windows registry. Every key is opened with full access
// in the process's default view and closed before the call returns; failures
// come back as false or empty text.
#include <windows.h>

#include <string>

#include "qx/utils/QX.Utils.Registry.h"

namespace qx::utils {

// Creates the key and any missing parent; an empty name is the default value.
bool WriteRegString(HKEY iRoot, const std::u16string& iPath, const std::u16string& iName,
                    const std::u16string& iValue);
// Up to 254 characters, trimmed; empty when the key or value cannot be read.
std::u16string ReadRegString(HKEY iRoot, const std::u16string& iPath, const std::u16string& iName);
bool RegKeyExists(HKEY iRoot, const std::u16string& iPath);
// Deletes the key with all its subkeys; true when the key is gone afterwards.
// A path that names the root itself is refused.
bool DeleteRegKey(HKEY iRoot, const std::u16string& iPath);

}  // namespace qx::utils
