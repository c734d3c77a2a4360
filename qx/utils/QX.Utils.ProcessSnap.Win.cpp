#include "qx/utils/QX.Utils.ProcessSnap.Win.h"

#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace qx::utils {
namespace {

constexpr DWORD kPathCapacity = MAX_PATH;
constexpr DWORD kWin32PathForm = 0;

}  // namespace

std::u16string GetProcessPath(HWND iWnd) {
  DWORD processId = 0;
  GetWindowThreadProcessId(iWnd, &processId);
  if (processId == 0) return {};  // not a window
  ui::UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return {};
  wchar_t buffer[kPathCapacity];
  DWORD size = kPathCapacity;
  if (!QueryFullProcessImageNameW(process.get(), kWin32PathForm, buffer, &size)) return {};
  return ui::U16(std::wstring_view(buffer, size));
}

}  // namespace qx::utils
