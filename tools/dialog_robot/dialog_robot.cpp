// Answers a message box of another process, as a person would:
//   dialog_robot --pid N --click yes|no|ok [--timeout-ms T] [--out FILE]
// Waits for a visible message box of process N, reports it (UTF-8, to FILE or
// stdout) as "buttons=<ids>", "default=<id>" and "text=<text up to the end>",
// then clicks the button and waits until the box has closed.
// Exit codes: 0 clicked, 1 usage, 2 no box in time, 3 no such button,
// 4 clicked but the box stayed, 5 the report could not be written.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

constexpr int kExitClicked = 0;
constexpr int kExitUsage = 1;
constexpr int kExitNoDialog = 2;
constexpr int kExitNoButton = 3;
constexpr int kExitStayed = 4;
constexpr int kExitReportFailed = 5;

constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr int kMessageTextId = 0xFFFF;
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr std::size_t kMaxText = 64 * 1024;

struct Options {
  DWORD pid = 0;
  int button = 0;
  DWORD timeoutMs = kDefaultTimeoutMs;
  std::wstring out;
};

std::optional<DWORD> ParseNumber(const wchar_t* text) {
  wchar_t* end = nullptr;
  const unsigned long value = std::wcstoul(text, &end, 10);
  if (end == text || *end != L'\0') return std::nullopt;
  return static_cast<DWORD>(value);
}

std::optional<int> ParseButton(std::wstring_view name) {
  if (name == L"yes") return IDYES;
  if (name == L"no") return IDNO;
  if (name == L"ok") return IDOK;
  return std::nullopt;
}

std::optional<Options> ParseOptions(int argc, wchar_t** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring_view key = argv[i];
    const wchar_t* value = argv[i + 1];
    if (key == L"--pid") {
      auto n = ParseNumber(value);
      if (!n || *n == 0) return std::nullopt;
      o.pid = *n;
    } else if (key == L"--click") {
      auto b = ParseButton(value);
      if (!b) return std::nullopt;
      o.button = *b;
    } else if (key == L"--timeout-ms") {
      auto n = ParseNumber(value);
      if (!n) return std::nullopt;
      o.timeoutMs = *n;
    } else if (key == L"--out") {
      o.out = value;
    } else {
      return std::nullopt;
    }
  }
  if (argc % 2 == 0 || o.pid == 0 || o.button == 0) return std::nullopt;
  return o;
}

// No callback enumeration: FindWindowEx walks the top-level boxes directly.
HWND FindVisibleBox(DWORD pid) {
  for (HWND h = FindWindowExW(nullptr, nullptr, kDialogClass, nullptr); h;
       h = FindWindowExW(nullptr, h, kDialogClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner == pid && IsWindowVisible(h)) return h;
  }
  return nullptr;
}

// Read without sending a message: a process that sends one to another
// process's window takes seconds to end under Wine.
std::wstring TextOf(HWND h) {
  std::wstring text(kMaxText, L'\0');
  text.resize(static_cast<std::size_t>(InternalGetWindowText(h, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::vector<int> ButtonIds(HWND box) {
  std::vector<int> ids;
  for (HWND h = FindWindowExW(box, nullptr, L"Button", nullptr); h; h = FindWindowExW(box, h, L"Button", nullptr)) {
    ids.push_back(GetDlgCtrlID(h));
  }
  return ids;
}

// The button drawn as the default. Not DM_GETDEFID: Wine's message box
// answers it with its template's OK even when another button is the default.
int DefaultId(HWND box) {
  for (HWND h = FindWindowExW(box, nullptr, L"Button", nullptr); h; h = FindWindowExW(box, h, L"Button", nullptr)) {
    if ((GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return GetDlgCtrlID(h);
  }
  return 0;
}

bool WaitFor(auto done, DWORD timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

bool WriteReport(const std::wstring& out, const std::string& report) {
  if (out.empty()) {
    std::fwrite(report.data(), 1, report.size(), stdout);
    return std::fflush(stdout) == 0;
  }
  ui::UniqueFile file(CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), report.data(), static_cast<DWORD>(report.size()), &written, nullptr) &&
         written == report.size();
}

std::string Report(HWND box) {
  std::string buttons;
  for (int id : ButtonIds(box)) buttons += (buttons.empty() ? "" : ",") + std::to_string(id);
  const HWND textControl = GetDlgItem(box, kMessageTextId);
  const std::wstring text = textControl ? TextOf(textControl) : std::wstring();
  return "buttons=" + buttons + "\ndefault=" + std::to_string(DefaultId(box)) + "\ntext=" + ui::ToUtf8(ui::U16(text));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const auto options = ParseOptions(argc, argv);
  if (!options) {
    std::fputs("usage: dialog_robot --pid N --click yes|no|ok [--timeout-ms T] [--out FILE]\n", stderr);
    return kExitUsage;
  }
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = FindVisibleBox(options->pid)) != nullptr; }, options->timeoutMs)) {
    return kExitNoDialog;
  }
  // The box is visible once its dialog init has created every control.
  if (!WriteReport(options->out, Report(box))) return kExitReportFailed;
  const HWND button = GetDlgItem(box, options->button);
  if (!button) return kExitNoButton;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(options->button, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  // A closed box is hidden at once; under Wine it may exist until its process ends.
  const bool closed = WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, options->timeoutMs);
  return closed ? kExitClicked : kExitStayed;
}
