#include "qx/utils/QX.Utils.Dialogs.h"

#include <memory>
#include <utility>

#include "ui/PlatformServices.h"

namespace qx::utils {

void ShowDialog(const std::u16string& message, ui::MsgDlgType dialogType, ui::MsgDlgButtons buttons,
                ui::MsgDlgBtn defaultButton, ui::TInputCloseDialogProc closeProc) {
  constexpr int kHelpContext = 0;
  if (auto service = ui::PlatformServices::Current().Get<ui::IMessageDialogService>()) {
    service->MessageDialog(message, dialogType, buttons, defaultButton, kHelpContext, std::move(closeProc));
  }
}

void ShowInfoDialog(const std::u16string& message) {
  ShowDialog(message, ui::MsgDlgType::Information, static_cast<ui::MsgDlgButtons>(ui::MsgDlgBtn::OK),
             ui::MsgDlgBtn::OK, [](ui::TModalResult) {});
}

void ShowErrorDialog(const std::u16string& message) {
  ShowDialog(message, ui::MsgDlgType::Error, static_cast<ui::MsgDlgButtons>(ui::MsgDlgBtn::OK), ui::MsgDlgBtn::OK,
             [](ui::TModalResult) {});
}

void QueryMessageDialog(const std::u16string& message, TDialogResultProc iProc) {
  QueryMessageDialog(message, ui::MsgDlgBtn::Yes | ui::MsgDlgBtn::No, ui::MsgDlgBtn::Yes, ui::mrYes, std::move(iProc));
}

void QueryMessageDialog(const std::u16string& message, ui::MsgDlgButtons buttons, ui::MsgDlgBtn defaultButton,
                        ui::TModalResult iOKResult, TDialogResultProc iProc) {
  // The answer is delivered once even if a service reports a close twice.
  auto pending = std::make_shared<TDialogResultProc>(std::move(iProc));
  ShowDialog(message, ui::MsgDlgType::Confirmation, buttons, defaultButton,
             [pending, iOKResult](ui::TModalResult result) {
               TDialogResultProc proc = std::exchange(*pending, nullptr);
               if (proc) proc(result == iOKResult);
             });
}

}  // namespace qx::utils
