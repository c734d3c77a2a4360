#include "qx/utils/QX.Utils.Form.h"

#include "ui/PlatformServices.h"

namespace qx::utils {

TFormUtils::TFormUtils() {
  if (auto factory = ui::PlatformServices::Current().Get<IFormUtilsFactory>()) FFormUtils = factory->CreateFormUtils();
}

ui::TWindowHandle TFormUtils::FindWindow(const std::u16string& iCaption) {
  return FFormUtils ? FFormUtils->FindWindow(iCaption) : 0;
}

void TFormUtils::HideTaskbar() {
  if (FFormUtils) FFormUtils->HideTaskbar();
}

void TFormUtils::ShowTaskbar() {
  if (FFormUtils) FFormUtils->ShowTaskbar();
}

void TFormUtils::BringToFront() {
  if (FFormUtils) FFormUtils->BringToFront();
}

void TFormUtils::BringToFront(ui::TWindowHandle iWnd) {
  if (FFormUtils) FFormUtils->BringToFront(iWnd);
}

void TFormUtils::RegisterMinimizeProc(ui::Form* iForm, TFormStateNotifyProc iProc) {
  if (FFormUtils) FFormUtils->RegistMinimizeProc(iForm, std::move(iProc));
}

}  // namespace qx::utils
