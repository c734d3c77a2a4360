#pragma once
// The message-dialog service: a message box with a type, buttons and a
// default button; the close callback receives the modal result. The Windows
// service is synchronous: the callback runs before MessageDialog returns.
#include <cstdint>
#include <functional>
#include <string>

#include "ui/Guid.h"

namespace ui {

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

enum class MsgDlgBtn : std::uint32_t {
  Yes = 1u << 0,
  No = 1u << 1,
  OK = 1u << 2,
  Cancel = 1u << 3,
};

using MsgDlgButtons = std::uint32_t;
constexpr MsgDlgButtons operator|(MsgDlgBtn a, MsgDlgBtn b) {
  return static_cast<MsgDlgButtons>(a) | static_cast<MsgDlgButtons>(b);
}

// Modal results; the values are those of the Windows dialog ids.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

using TInputCloseDialogProc = std::function<void(TModalResult)>;

class IMessageDialogService {
 public:
  static constexpr Guid kGuid = Guid::Parse("{9A1C2B7E-5D44-4E0B-8E6F-3C2D1A0B9F81}");
  virtual ~IMessageDialogService() = default;
  virtual void MessageDialog(const std::u16string& message, MsgDlgType type, MsgDlgButtons buttons,
                             MsgDlgBtn defaultButton, int helpContext, TInputCloseDialogProc closeProc) = 0;
};

}  // namespace ui
