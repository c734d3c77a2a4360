// The yardstick of the launch benchmark: the least a Win32 program does to
// show one window. With the argument "hidden" it creates the window unshown
// and ends at once, as the tool does for a link.
#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kClassName[] = L"KrvlBenchMinimal";
constexpr int kWidth = 270;
constexpr int kHeight = 263;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, kClassName, L"bench", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (std::wcscmp(commandLine, L"hidden") == 0) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  } else {
    ShowWindow(window, SW_SHOWNORMAL);
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
