#pragma once
// Information, error and yes/no dialogs over the platform's message-dialog
// service. Callers do all follow-up work inside the result callback: on
// Windows it runs before the call returns, elsewhere it may run later.
#include <functional>
#include <string>

#include "ui/MessageDialogService.h"

namespace qx::utils {

// True when the question was closed with the caller's positive answer.
using TDialogResultProc = std::function<void(bool)>;

void ShowDialog(const std::u16string& message, ui::MsgDlgType dialogType, ui::MsgDlgButtons buttons,
                ui::MsgDlgBtn defaultButton, ui::TInputCloseDialogProc closeProc);

void ShowInfoDialog(const std::u16string& message);
void ShowErrorDialog(const std::u16string& message);

// Yes/No with Yes as the default; iProc gets true for Yes.
void QueryMessageDialog(const std::u16string& message, TDialogResultProc iProc);
// iProc gets whether the modal result equals iOKResult.
void QueryMessageDialog(const std::u16string& message, ui::MsgDlgButtons buttons, ui::MsgDlgBtn defaultButton,
                        ui::TModalResult iOKResult, TDialogResultProc iProc);

}  // namespace qx::utils
