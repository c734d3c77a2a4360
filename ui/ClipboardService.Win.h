#pragma once
#include "ui/ClipboardService.h"

namespace ui {

// Plain Unicode text on the Windows clipboard; failures leave it unchanged
// (set) or give an empty text (get).
class TWinClipboardService : public IClipboardService {
 public:
  void SetClipboard(const std::u16string& value) override;
  std::u16string GetClipboard() override;
};

}  // namespace ui
