#include "qx/utils/QX.Utils.DateTime.Win.h"

#include "qx/utils/QX.Utils.FormatSettings.Win.h"

namespace qx {

std::u16string FormatDateTimeText(std::u16string_view pattern, TDateTime dateTime) {
  return FormatDateTimeText(pattern, dateTime, GetUserFormatSettings());
}

}  // namespace qx
