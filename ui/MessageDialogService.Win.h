#pragma once
// The Windows message-dialog service: a synchronous, modal message box owned
// by the application's active or main window when one is shown. The close
// callback runs with the box's result before MessageDialog returns.
#include "ui/MessageDialogService.h"

namespace ui {

class TWinMessageDialogService final : public IMessageDialogService {
 public:
  void MessageDialog(const std::u16string& message, MsgDlgType type, MsgDlgButtons buttons, MsgDlgBtn defaultButton,
                     int helpContext, TInputCloseDialogProc closeProc) override;
};

}  // namespace ui
