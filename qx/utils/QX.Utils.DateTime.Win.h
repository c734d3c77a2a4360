#pragma once
#include <string>
#include <string_view>

#include "qx/utils/QX.Utils.DateTime.h"

namespace qx {

// FormatDateTimeText with the current user's date and time separators.
std::u16string FormatDateTimeText(std::u16string_view pattern, TDateTime dateTime);

}  // namespace qx
