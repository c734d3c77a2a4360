#include "app/uMainGUI.h"

namespace {
constexpr float kEnabledOpacity = 1.0f;
constexpr float kDisabledOpacity = 0.5f;
}  // namespace

void SetButtonEnabled(ui::TButton& button, bool enabled) {
  button.Enabled = enabled;
  // The opacity follows what the button now reports, not the request.
  button.Opacity = button.Enabled ? kEnabledOpacity : kDisabledOpacity;
}
