// Stand-in for the coin's desktop wallet, for end-to-end tests.
//
// Interface:
// - Shows one top-level window, class "KrvlFakeWallet", caption
//   "KORVALCOIN CORE KRVL WALLET " (with the trailing space), like the wallet.
//   KRVL_FAKE_WALLET_CAPTION, when set, replaces the caption (e.g. without the
//   trailing space, to test a lookup by exact caption).
// - Every start appends one line to the file named by KRVL_FAKE_WALLET_LOG
//   (nothing is logged when unset): a UTF-8 JSON object
//     {"pid":N,"role":"primary"|"secondary","commandLine":"...","args":[...]}
//   commandLine is GetCommandLineW as received, args is its split by
//   CommandLineToArgvW (args[0] is the program). Each line is written with one
//   append, so lines of concurrent copies do not interleave.
// - Single instance: when a window of class "KrvlFakeWallet" already exists
//   the copy logs itself as "secondary" and exits at once with code 0, as a
//   wallet hands a link to its running instance. Otherwise it is "primary" and
//   runs until its window is closed (WM_CLOSE) or the process is ended.
#include <windows.h>
#include <shellapi.h>

#include <nlohmann/json.hpp>
#include <string>

#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

constexpr wchar_t kClassName[] = L"KrvlFakeWallet";
constexpr wchar_t kDefaultCaption[] = L"KORVALCOIN CORE KRVL WALLET ";
constexpr wchar_t kLogVariable[] = L"KRVL_FAKE_WALLET_LOG";
constexpr wchar_t kCaptionVariable[] = L"KRVL_FAKE_WALLET_CAPTION";
constexpr int kWindowWidth = 480;
constexpr int kWindowHeight = 320;

// An unset variable is empty; so is a set one with no value, which is fine here.
std::u16string Environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::u16string value(size, u'\0');
  const DWORD got = GetEnvironmentVariableW(name, ui::W(value), size);
  value.resize(got < size ? got : 0);
  return value;
}

void AppendLogLine(bool secondary) {
  const std::u16string logPath = Environment(kLogVariable);
  if (logPath.empty()) return;
  const wchar_t* commandLine = GetCommandLineW();
  nlohmann::json entry;
  entry["pid"] = GetCurrentProcessId();
  entry["role"] = secondary ? "secondary" : "primary";
  entry["commandLine"] = ui::ToUtf8(ui::U16(commandLine));
  entry["args"] = nlohmann::json::array();
  int argc = 0;
  ui::UniqueLocal argv(reinterpret_cast<HLOCAL>(CommandLineToArgvW(commandLine, &argc)));
  auto* args = static_cast<wchar_t**>(argv.get());
  for (int i = 0; args && i < argc; ++i) entry["args"].push_back(ui::ToUtf8(ui::U16(args[i])));
  const std::string line = entry.dump() + "\n";

  ui::UniqueFile file(CreateFileW(ui::W(logPath), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const bool secondary = FindWindowW(kClassName, nullptr) != nullptr;
  AppendLogLine(secondary);
  if (secondary) return 0;

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return 1;

  const std::u16string captionOverride = Environment(kCaptionVariable);
  const wchar_t* caption = captionOverride.empty() ? kDefaultCaption : ui::W(captionOverride);
  HWND hwnd = CreateWindowExW(0, kClassName, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth,
                              kWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, showCommand);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
