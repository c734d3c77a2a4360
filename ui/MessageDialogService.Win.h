#pragma once
// The Windows message-dialog service: a synchronous, modal message box. The
// close callback runs with the box's result before MessageDialog returns.
#include <functional>

#include "ui/MessageDialogService.h"
#include "ui/WindowHandle.h"

namespace ui {

class WinMessageDialogService final : public IMessageDialogService {
 public:
  // `mainWindow` names the owner to use when the calling thread has no active
  // window (the application's main form); it may be empty or return 0.
  explicit WinMessageDialogService(std::function<TWindowHandle()> mainWindow = {});

  void MessageDialog(const std::u16string& message, MsgDlgType type, MsgDlgButtons buttons, MsgDlgBtn defaultButton,
                     int helpContext, TInputCloseDialogProc closeProc) override;

 private:
  std::function<TWindowHandle()> mainWindow_;
};

}  // namespace ui
