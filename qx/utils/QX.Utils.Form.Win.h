#pragma once
// The Windows side of the window operations, and the thread hook that turns
// WM_SIZE of a watched form's window into its owner's notification.
#include <windows.h>

#include "qx/utils/QX.Utils.Form.h"

#undef FindWindow

namespace qx::utils {

class TFormUtilsWin final : public IFormUtils {
 public:
  // Joins the process-wide list of live objects (created with the first).
  TFormUtilsWin();
  // Leaves the list (freed with the last).
  ~TFormUtilsWin() override;
  TFormUtilsWin(const TFormUtilsWin&) = delete;
  TFormUtilsWin& operator=(const TFormUtilsWin&) = delete;

  ui::TWindowHandle FindWindow(const std::u16string& iCaption) override;
  void HideTaskbar() override;
  void ShowTaskbar() override;
  void BringToFront() override;
  void BringToFront(ui::TWindowHandle iWnd) override;
  void RegistMinimizeProc(ui::Form* iForm, TFormStateNotifyProc iProc) override;

  // The WH_CALLWNDPROCRET procedure installed at unit start.
  static LRESULT CALLBACK HookProc(int iCode, WPARAM iWParam, LPARAM iLParam) noexcept;

 private:
  static void NotifyFormState(HWND iWnd, bool iMinimized);

  ui::Form* FRegsitedForm = nullptr;
  TFormStateNotifyProc FRegistedProc;
};

class TFormUtilsFactoryWin final : public TFormUtilsFactory {
 public:
  std::shared_ptr<IFormUtils> CreateFormUtils() override;
};

namespace form_win {
// Registers the factory and hooks the calling (main) thread.
void UnitStart();
// Removes the hook; the factory stays registered.
void UnitEnd();
}  // namespace form_win

}  // namespace qx::utils
