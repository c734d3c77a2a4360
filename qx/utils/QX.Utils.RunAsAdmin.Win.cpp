#include "qx/utils/QX.Utils.RunAsAdmin.Win.h"

#include <versionhelpers.h>

#include "ui/CommandLine.Win.h"
#include "ui/WinText.Win.h"

namespace qx::utils {

namespace {

// WinExec results up to 31 are error codes.
constexpr UINT kLastWinExecError = 31;

bool IsVistaOrLater() { return IsWindowsVistaOrGreater(); }

std::string ToAnsi(const std::u16string& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = WideCharToMultiByte(CP_ACP, 0, ui::W(text), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, ui::W(text), length, ansi.data(), needed, nullptr, nullptr);
  return ansi;
}

}  // namespace

const RunAsAdminApi& SystemRunAsAdminApi() {
  static const RunAsAdminApi api{IsVistaOrLater, ShellExecuteExW, WinExec};
  return api;
}

bool RunAsAdmin(const RunAsAdminApi& api, const std::u16string& file, const std::u16string& parameters, bool show) {
  if (api.isVistaOrLater()) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = nullptr;
    info.lpVerb = L"runas";
    info.lpFile = ui::W(file);
    info.lpParameters = ui::W(parameters);
    info.lpDirectory = nullptr;
    info.nShow = show ? SW_SHOWNORMAL : SW_HIDE;
    return api.shellExecuteEx(&info) != FALSE;
  }
  // No elevation exists before Vista: start it plainly, always shown.
  const std::string commandLine = ToAnsi(u"\"" + file + u"\" " + parameters);
  return api.winExec(commandLine.c_str(), SW_SHOWNORMAL) > kLastWinExecError;
}

bool RunAsAdmin(const std::u16string& file, const std::u16string& parameters, bool show) {
  return RunAsAdmin(SystemRunAsAdminApi(), file, parameters, show);
}

bool RunSelfAsAdmin(const std::u16string& parameters, bool show) {
  return RunAsAdmin(ui::ParamStr(0), parameters, show);
}

}  // namespace qx::utils
