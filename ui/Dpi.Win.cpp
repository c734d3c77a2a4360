#include "ui/Dpi.Win.h"

namespace ui {
namespace {

template <class F>
F Lookup(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SetAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE, spelled out for older headers.
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3));

}  // namespace

void EnablePerMonitorDpi() {
  // Fails harmlessly when the manifest already set the awareness.
  if (auto set = Lookup<SetAwarenessContextFn>("SetProcessDpiAwarenessContext")) set(kPerMonitorAware);
}

UINT DpiOfWindow(HWND hwnd) {
  static const auto getDpi = Lookup<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpi && hwnd) {
    if (UINT dpi = getDpi(hwnd)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
  static const auto adjust = Lookup<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (adjust && adjust(&rect, style, FALSE, exStyle, dpi)) return;
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}  // namespace ui
