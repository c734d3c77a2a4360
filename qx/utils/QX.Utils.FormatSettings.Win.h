#pragma once
// The current user's regional settings, read from Windows each time so a
// change in the control panel applies to the next lookup.
#include <string>
#include <string_view>

#include "qx/utils/QX.Utils.FormatSettings.h"

namespace qx {

TFormatSettings GetUserFormatSettings();

// Upper case by the rules of the user's default locale.
std::u16string UpperCaseUser(std::u16string_view text);

}  // namespace qx
