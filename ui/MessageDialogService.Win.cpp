#include "ui/MessageDialogService.Win.h"

#include <windows.h>

#include <array>

#include "ui/Application.Win.h"
#include "ui/WinText.Win.h"

namespace ui {
namespace {

// The button sets a message box can show, in the order it shows them.
struct BoxButtons {
  UINT style;
  std::array<MsgDlgBtn, 3> order;
  int count;
};

constexpr std::array kBoxButtons{
    BoxButtons{MB_OK, {MsgDlgBtn::OK}, 1},
    BoxButtons{MB_OKCANCEL, {MsgDlgBtn::OK, MsgDlgBtn::Cancel}, 2},
    BoxButtons{MB_YESNO, {MsgDlgBtn::Yes, MsgDlgBtn::No}, 2},
    BoxButtons{MB_YESNOCANCEL, {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel}, 3},
};

constexpr std::array<UINT, 3> kDefaultButtonStyle{MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};

MsgDlgButtons Mask(const BoxButtons& box) {
  MsgDlgButtons mask = 0;
  for (int i = 0; i < box.count; ++i) mask |= static_cast<MsgDlgButtons>(box.order[i]);
  return mask;
}

// The smallest box holding every asked button; a set no box can hold gets OK.
const BoxButtons& ChooseBox(MsgDlgButtons buttons) {
  for (const auto& box : kBoxButtons) {
    if ((Mask(box) & buttons) == buttons) return box;
  }
  return kBoxButtons.front();
}

UINT DefaultButtonStyle(const BoxButtons& box, MsgDlgBtn defaultButton) {
  for (int i = 0; i < box.count; ++i) {
    if (box.order[i] == defaultButton) return kDefaultButtonStyle[i];
  }
  return MB_DEFBUTTON1;
}

UINT IconStyle(MsgDlgType type) {
  switch (type) {
    case MsgDlgType::Warning: return MB_ICONWARNING;
    case MsgDlgType::Error: return MB_ICONERROR;
    case MsgDlgType::Information: return MB_ICONINFORMATION;
    case MsgDlgType::Confirmation: return MB_ICONQUESTION;
    case MsgDlgType::Custom: break;
  }
  return 0;
}

const wchar_t* Caption(MsgDlgType type) {
  switch (type) {
    case MsgDlgType::Warning: return L"Warning";
    case MsgDlgType::Error: return L"Error";
    case MsgDlgType::Information: return L"Information";
    case MsgDlgType::Confirmation: return L"Confirm";
    case MsgDlgType::Custom: break;
  }
  return L"";
}

HWND Owner() {
  HWND owner = GetActiveWindow();
  if (!owner) {
    const auto& app = Application::Current();
    if (const Form* form = app.ActiveForm() ? app.ActiveForm() : app.MainForm()) {
      owner = reinterpret_cast<HWND>(form->Handle());
    }
  }
  // A hidden owner would hide the box's taskbar button: own none instead.
  return owner && IsWindowVisible(owner) ? owner : nullptr;
}

}  // namespace

void TWinMessageDialogService::MessageDialog(const std::u16string& message, MsgDlgType type, MsgDlgButtons buttons,
                                             MsgDlgBtn defaultButton, int /*helpContext*/,
                                             TInputCloseDialogProc closeProc) {
  const HWND owner = Owner();
  const BoxButtons& box = ChooseBox(buttons);
  // Without an owner the box still blocks every window of this thread, and it
  // comes to the front: a link click from a browser must see the question.
  const UINT style = box.style | DefaultButtonStyle(box, defaultButton) | IconStyle(type) | MB_SETFOREGROUND |
                     (owner ? 0u : static_cast<UINT>(MB_TASKMODAL));
  const TModalResult result = MessageBoxW(owner, W(message), Caption(type), style);
  if (closeProc) closeProc(result);
}

}  // namespace ui
