#include "qx/utils/QX.Utils.Form.Win.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "ui/Application.Win.h"
#include "ui/Form.h"
#include "ui/PlatformServices.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace qx::utils {
namespace {

constexpr UINT kRaiseFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;

// Live objects in creation order; exists only while one does.
std::unique_ptr<std::vector<TFormUtilsWin*>> gLiveObjects;
ui::UniqueHook gHook;

HWND Hwnd(ui::TWindowHandle handle) { return reinterpret_cast<HWND>(handle); }

bool IsLive(const TFormUtilsWin* object) {
  return gLiveObjects && std::find(gLiveObjects->begin(), gLiveObjects->end(), object) != gLiveObjects->end();
}

}  // namespace

TFormUtilsWin::TFormUtilsWin() {
  if (!gLiveObjects) gLiveObjects = std::make_unique<std::vector<TFormUtilsWin*>>();
  gLiveObjects->push_back(this);
}

TFormUtilsWin::~TFormUtilsWin() {
  if (!gLiveObjects) return;
  std::erase(*gLiveObjects, this);
  if (gLiveObjects->empty()) gLiveObjects.reset();
}

ui::TWindowHandle TFormUtilsWin::FindWindow(const std::u16string& iCaption) {
  return reinterpret_cast<ui::TWindowHandle>(::FindWindowW(nullptr, ui::W(iCaption)));
}

void TFormUtilsWin::HideTaskbar() { ShowWindow(Hwnd(ui::Application::Current().Handle()), SW_HIDE); }

void TFormUtilsWin::ShowTaskbar() { ShowWindow(Hwnd(ui::Application::Current().Handle()), SW_SHOW); }

void TFormUtilsWin::BringToFront() {
  const ui::Form* mainForm = ui::Application::Current().MainForm();
  BringToFront(mainForm ? mainForm->Handle() : 0);
}

void TFormUtilsWin::BringToFront(ui::TWindowHandle iWnd) {
  const HWND wnd = Hwnd(iWnd);
  const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const DWORD windowThread = GetWindowThreadProcessId(wnd, nullptr);
  // Sharing the foreground thread's input state lets the raise take effect;
  // attaching a thread to itself fails, which is harmless.
  AttachThreadInput(windowThread, foregroundThread, TRUE);
  ui::ScopeExit detach([&] { AttachThreadInput(windowThread, foregroundThread, FALSE); });
  SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
}

void TFormUtilsWin::RegistMinimizeProc(ui::Form* iForm, TFormStateNotifyProc iProc) {
  FRegsitedForm = iForm;
  FRegistedProc = std::move(iProc);
}

void TFormUtilsWin::NotifyFormState(HWND iWnd, bool iMinimized) {
  // A procedure may free objects of the list, or the list itself: walk a copy
  // and skip what is gone.
  const std::vector<TFormUtilsWin*> snapshot = *gLiveObjects;
  for (TFormUtilsWin* object : snapshot) {
    if (!IsLive(object) || !object->FRegsitedForm || !object->FRegistedProc) continue;
    if (Hwnd(object->FRegsitedForm->Handle()) != iWnd) continue;
    // Our own copy, so the closure outlives an object that its call frees.
    const TFormStateNotifyProc proc = object->FRegistedProc;
    proc(iMinimized);
  }
}

LRESULT CALLBACK TFormUtilsWin::HookProc(int iCode, WPARAM iWParam, LPARAM iLParam) noexcept {
  const auto* record = reinterpret_cast<const CWPRETSTRUCT*>(iLParam);
  if (iCode >= 0 && record && gLiveObjects && record->message == WM_SIZE) {
    try {
      if (record->wParam == SIZE_MINIMIZED) NotifyFormState(record->hwnd, true);
      else if (record->wParam == SIZE_RESTORED) NotifyFormState(record->hwnd, false);
    } catch (...) {
      ui::Application::Current().HandleException(std::current_exception());
    }
  }
  return CallNextHookEx(gHook.get(), iCode, iWParam, iLParam);
}

std::shared_ptr<IFormUtils> TFormUtilsFactoryWin::CreateFormUtils() { return std::make_shared<TFormUtilsWin>(); }

namespace form_win {

void UnitStart() {
  ui::PlatformServices::Current().Add<IFormUtilsFactory>(std::make_shared<TFormUtilsFactoryWin>());
  gHook.reset(SetWindowsHookExW(WH_CALLWNDPROCRET, &TFormUtilsWin::HookProc, nullptr, GetCurrentThreadId()));
}

void UnitEnd() { gHook.reset(); }

}  // namespace form_win

}  // namespace qx::utils
