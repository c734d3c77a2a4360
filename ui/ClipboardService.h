#pragma once
// The clipboard service: plain text in and out.
#include <string>

#include "ui/Guid.h"

namespace ui {

class IClipboardService {
 public:
  static constexpr Guid kGuid = Guid::Parse("{CC9F70B3-E5AE-4E01-A6FB-E3FC54F5C54E}");
  virtual ~IClipboardService() = default;
  virtual void SetClipboard(const std::u16string& value) = 0;
  virtual std::u16string GetClipboard() = 0;
};

}  // namespace ui
