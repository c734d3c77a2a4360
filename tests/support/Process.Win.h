#pragma once
// Driving real programs from a test, the way the shell would: start with an
// exact command line, poll for windows, wait for the end. Paths of the
// programs built beside the test are found through BinPath.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ui/UniqueHandle.Win.h"

namespace testsupport {

// Full path of a program in the test's own folder (the build's bin/).
std::u16string BinPath(const std::u16string& exeName);

// A folder under the system temp folder, removed with its files on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::u16string& Path() const { return path_; }
  std::u16string File(const std::u16string& name) const { return path_ + u"\\" + name; }

 private:
  std::u16string path_;
};

struct EnvVar {
  std::u16string name;
  std::u16string value;  // empty: removed from the child's environment
};

class Child {
 public:
  Child() = default;
  bool Started() const { return static_cast<bool>(process_); }
  DWORD Pid() const { return pid_; }
  HANDLE Handle() const { return process_.get(); }
  // True when the process ended within the time.
  bool WaitExit(std::chrono::milliseconds timeout) const;
  // Exit code, or STILL_ACTIVE.
  DWORD ExitCode() const;
  // Ends it if still running (tests leave nothing behind).
  void Kill();
  ~Child() { Kill(); }
  Child(Child&&) = default;
  Child& operator=(Child&&) = default;

 private:
  friend Child StartProcess(const std::u16string&, const std::vector<EnvVar>&);
  ui::UniqueHandle process_;
  DWORD pid_ = 0;
};

// CreateProcessW with the exact command line (quote the program yourself),
// the test's environment changed by `env`.
Child StartProcess(const std::u16string& commandLine, const std::vector<EnvVar>& env = {});

// Polls `done` every 20 ms until it holds or the time is over.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Top-level windows of a process (visible or not), optionally of one class.
std::vector<HWND> WindowsOfProcess(DWORD pid, const wchar_t* className = nullptr);
// The first visible top-level window of the process of that class (any class
// when null), waited for up to `timeout`; nullptr when none appeared.
HWND WaitForVisibleWindow(DWORD pid, const wchar_t* className, std::chrono::milliseconds timeout);

std::u16string WindowText(HWND hwnd);

// Answers every visible message box of the process without agreeing to
// anything: No where the box has one, else OK.
void DismissMessageBoxes(DWORD pid);

// Reads a whole file as UTF-8 and returns it as UTF-16; empty when missing.
std::u16string ReadUtf8File(const std::u16string& path);

}  // namespace testsupport
