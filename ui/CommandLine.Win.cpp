#include "ui/CommandLine.Win.h"

#include <windows.h>

#include "ui/CommandLine.h"
#include "ui/WinText.Win.h"

namespace ui {

namespace {

// Long paths may exceed MAX_PATH; the system caps them near 32K units.
constexpr DWORD kMaxPathUnits = 32768;

std::vector<std::u16string> Arguments() { return SplitCommandLine(U16(GetCommandLineW())); }

}  // namespace

std::u16string ModuleFileName() {
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD n = GetModuleFileNameW(nullptr, W(path), size);
    if (n == 0) return {};
    if (n < size || size >= kMaxPathUnits) {
      path.resize(n);
      return path;
    }
    path.resize(std::min<std::size_t>(path.size() * 2, kMaxPathUnits));
  }
}

int ParamCount() {
  const auto args = Arguments();
  return args.empty() ? 0 : static_cast<int>(args.size()) - 1;
}

std::u16string ParamStr(int index) {
  if (index == 0) return ModuleFileName();
  const auto args = Arguments();
  if (index < 0 || static_cast<std::size_t>(index) >= args.size()) return {};
  return args[static_cast<std::size_t>(index)];
}

}  // namespace ui
