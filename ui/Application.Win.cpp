#include "ui/Application.Win.h"

#include <windows.h>

#include <algorithm>
#include "ui/Gdiplus.Win.h"
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "ui/ForcedQueue.h"
#include "ui/Resources.h"
#include "ui/Text.h"
#include "ui/WinText.Win.h"
#include "ui/Dpi.Win.h"
#include "ui/GdiplusCanvas.Win.h"
#include "ui/Resources.Win.h"
#include "ui/WinWindowHandle.Win.h"

namespace ui {
namespace {

constexpr wchar_t kAppWindowClass[] = L"KrvlApplication";
// Wakes the loop to drain the forced queue, or to notice Terminate.
constexpr UINT kWakeMessage = WM_APP + 1;

LRESULT CALLBACK AppWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    Application& app = Application::Current();
    switch (msg) {
      case kWakeMessage:
        RunForcedQueue();
        return 0;
      case WM_CLOSE:
        if (app.Terminated()) return 0;
        if (Form* main = app.MainForm()) main->Close();
        else app.Terminate();
        return 0;
      case WM_SETFOCUS:
        // A click on the taskbar button activates this window: pass it on.
        if (Form* active = app.ActiveForm(); active && active->Visible()) active->Activate();
        else if (Form* main = app.MainForm(); main && main->Visible()) main->Activate();
        return 0;
      default:
        break;
    }
  } catch (...) {
    Application::Current().HandleException(std::current_exception());
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND Hwnd(TWindowHandle h) { return reinterpret_cast<HWND>(h); }

}  // namespace

Application& Application::Current() {
  static Application instance;
  return instance;
}

void Application::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  EnablePerMonitorDpi();
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) gdiplusToken_ = token;
  InstallExecutableResourceReader();

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = instance;
  wc.lpszClassName = kAppWindowClass;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  RegisterClassExW(&wc);
  // A zero-sized popup: invisible itself, it carries the taskbar button once shown.
  HWND hwnd = CreateWindowExW(WS_EX_APPWINDOW, kAppWindowClass, L"", WS_POPUP | WS_GROUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
  handle_ = reinterpret_cast<TWindowHandle>(hwnd);
  SetForcedQueueWaker([hwnd] { PostMessageW(hwnd, kWakeMessage, 0, 0); });
  SetFormWindowFactory([](Form& form) { return std::make_unique<TWinWindowHandle>(form); });
}

void Application::Adopt(std::unique_ptr<Form> form, const std::u16string& layoutResource) {
  Form& ref = *form;
  forms_.push_back(std::move(form));
  if (!mainForm_) mainForm_ = &ref;
  auto data = ReadResource(layoutResource);
  if (!data) throw std::runtime_error("layout resource missing: " + ToUtf8(layoutResource));
  ref.Create(nlohmann::json::parse(*data));
}

void Application::FormShown(Form& form) {
  if (&form == mainForm_ && handle_) {
    SetWindowTextW(Hwnd(handle_), W(form.Settings().Caption));
    ShowWindow(Hwnd(handle_), SW_SHOWNA);
  }
}

void Application::ReleaseForm(Form& form) {
  Form* target = &form;
  ForceQueue([this, target] {
    auto found = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f.get() == target; });
    if (found == forms_.end()) return;
    std::unique_ptr<Form> owned = std::move(*found);
    forms_.erase(found);
    if (activeForm_ == target) activeForm_ = nullptr;
    if (mainForm_ == target) mainForm_ = nullptr;
    owned->Destroy();
  });
}

void Application::Run() {
  if (mainForm_ && !terminated_) mainForm_->Show();
  MSG msg;
  while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DestroyForms();
  if (handle_) {
    DestroyWindow(Hwnd(handle_));
    handle_ = 0;
  }
  SetForcedQueueWaker(nullptr);
  ReleaseCanvasResources();
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
  gdiplusToken_ = 0;
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void Application::DestroyForms() {
  // The main form goes last, as the other forms may belong to it.
  while (!forms_.empty()) {
    std::unique_ptr<Form> form = std::move(forms_.back());
    forms_.pop_back();
    if (form.get() == activeForm_) activeForm_ = nullptr;
    form->Destroy();
    if (form.get() == mainForm_) mainForm_ = nullptr;
  }
}

void Application::Terminate() {
  terminated_ = true;
  if (handle_) PostMessageW(Hwnd(handle_), kWakeMessage, 0, 0);
}

void Application::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      Terminate();
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Application::HandleException(std::exception_ptr error) noexcept {
  if (!error_) error_ = error;
  terminated_ = true;
}

}  // namespace ui
