#pragma once
#include "ui/LocaleService.h"

namespace ui {

// The ISO 639 name of the user default locale's language; "en" when the
// query fails.
class TWinLocaleService : public ILocaleService {
 public:
  std::u16string GetCurrentLangID() override;
};

}  // namespace ui
