#include "support/Process.Win.h"

#include <shellapi.h>

#include <thread>

#include "ui/Text.h"
#include "ui/WinText.Win.h"

namespace testsupport {

std::u16string BinPath(const std::u16string& exeName) {
  wchar_t buf[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
  std::u16string self = ui::U16(std::wstring_view(buf, n));
  return self.substr(0, self.find_last_of(u"\\/") + 1) + exeName;
}

TempDir::TempDir() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  path_ = ui::U16(base) + u"krvl-test-" + ui::FromAscii(std::to_string(GetCurrentProcessId())) + u"-" +
          ui::FromAscii(std::to_string(++counter));
  CreateDirectoryW(ui::W(path_), nullptr);
}

TempDir::~TempDir() {
  std::u16string from = path_;
  from.push_back(u'\0');  // SHFileOperation wants a double-NUL list
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = ui::W(from);
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
}

bool Child::WaitExit(std::chrono::milliseconds timeout) const {
  return process_ && WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD Child::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_.get(), &code);
  return code;
}

void Child::Kill() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

namespace {

std::u16string BuildEnvironment(const std::vector<EnvVar>& changes) {
  std::vector<std::u16string> vars;
  if (wchar_t* block = GetEnvironmentStringsW()) {
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1) vars.push_back(ui::U16(p));
    FreeEnvironmentStringsW(block);
  }
  for (const auto& c : changes) {
    const std::u16string prefix = c.name + u"=";
    std::erase_if(vars, [&](const std::u16string& v) {
      return CompareStringOrdinal(ui::W(v), static_cast<int>(prefix.size()), ui::W(prefix),
                                  static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
    });
    if (!c.value.empty()) vars.push_back(prefix + c.value);
  }
  std::u16string block;
  for (const auto& v : vars) block += v + u'\0';
  block += u'\0';
  return block;
}

}  // namespace

Child StartProcess(const std::u16string& commandLine, const std::vector<EnvVar>& env) {
  std::u16string cmd = commandLine;
  std::u16string envBlock = BuildEnvironment(env);
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  Child child;
  if (CreateProcessW(nullptr, ui::W(cmd), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                     env.empty() ? nullptr : ui::W(envBlock), nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    child.process_.reset(pi.hProcess);
    child.pid_ = pi.dwProcessId;
  }
  return child;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::vector<HWND> WindowsOfProcess(DWORD pid, const wchar_t* className) {
  struct Ctx {
    DWORD pid;
    const wchar_t* cls;
    std::vector<HWND> found;
  } ctx{pid, className, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) noexcept -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != c->pid) return TRUE;
        if (c->cls) {
          wchar_t cls[256];
          if (!GetClassNameW(hwnd, cls, 256) || wcscmp(cls, c->cls) != 0) return TRUE;
        }
        c->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

HWND WaitForVisibleWindow(DWORD pid, const wchar_t* className, std::chrono::milliseconds timeout) {
  HWND result = nullptr;
  WaitUntil(
      [&] {
        for (HWND h : WindowsOfProcess(pid, className)) {
          if (IsWindowVisible(h)) {
            result = h;
            return true;
          }
        }
        return false;
      },
      timeout);
  return result;
}

void DismissMessageBoxes(DWORD pid) {
  constexpr int kNoButton = 7;
  for (HWND box : WindowsOfProcess(pid, L"#32770")) {
    if (!IsWindowVisible(box)) continue;
    HWND button = GetDlgItem(box, kNoButton);
    if (!button) button = GetDlgItem(box, IDOK);
    if (button) PostMessageW(button, BM_CLICK, 0, 0);
  }
}

std::u16string WindowText(HWND hwnd) {
  int len = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<std::size_t>(len) + 1, u'\0');
  len = GetWindowTextW(hwnd, ui::W(text), len + 1);
  text.resize(static_cast<std::size_t>(len));
  return text;
}

std::u16string ReadUtf8File(const std::u16string& path) {
  ui::UniqueFile file(CreateFileW(ui::W(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  std::string bytes;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), buf, sizeof(buf), &got, nullptr) && got > 0) bytes.append(buf, got);
  return ui::FromUtf8(bytes);
}

}  // namespace testsupport
