#pragma once
// The locale service: the current user-interface language.
#include <string>

#include "ui/Guid.h"

namespace ui {

class ILocaleService {
 public:
  static constexpr Guid kGuid = Guid::Parse("{311A40D3-3D11-4ED3-9B47-B9A8E42E2F6D}");
  virtual ~ILocaleService() = default;
  // Two-letter ISO 639 name of the user's language ("ja", "en", ...).
  virtual std::u16string GetCurrentLangID() = 0;
};

}  // namespace ui
