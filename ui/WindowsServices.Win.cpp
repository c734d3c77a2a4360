#include "ui/WindowsServices.Win.h"

#include <memory>

#include "ui/ClipboardService.Win.h"
#include "ui/LocaleService.Win.h"
#include "ui/MessageDialogService.Win.h"
#include "ui/PlatformServices.h"

namespace ui {

void RegisterWindowsServices() {
  auto& services = PlatformServices::Current();
  services.Add<ILocaleService>(std::make_shared<TWinLocaleService>());
  services.Add<IClipboardService>(std::make_shared<TWinClipboardService>());
  services.Add<IMessageDialogService>(std::make_shared<TWinMessageDialogService>());
}

}  // namespace ui
