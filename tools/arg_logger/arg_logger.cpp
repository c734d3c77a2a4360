// Stands in for the tool where a test registers a program: writes the command
// line it was started with, then each argument after the program's own name,
// one a line (UTF-8), to "<its own path>.log".
#include <windows.h>

#include <string>

#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

constexpr int kExitFailed = 1;
constexpr DWORD kPathChars = 32768;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring self(kPathChars, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), kPathChars));
  std::string log = ui::ToUtf8(ui::U16(GetCommandLineW())) + "\n";
  for (int i = 1; i < argc; ++i) log += ui::ToUtf8(ui::U16(argv[i])) + "\n";
  // Written aside and renamed, so a reader never sees half of it.
  const std::wstring part = self + L".part", done = self + L".log";
  {
    ui::UniqueFile file(CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), log.data(), static_cast<DWORD>(log.size()), &written, nullptr)) {
      return kExitFailed;
    }
  }
  return MoveFileExW(part.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : kExitFailed;
}
