// Shows one dialog through the dialog operations and records what reached the
// caller, for tests that answer it with the dialog robot:
//   dialog_probe info|error|question|okcancel OUTFILE MESSAGE
// OUTFILE (UTF-8) gets one line per callback ("true"/"false"), then
// "returned" once the operation has returned.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "qx/utils/QX.Utils.Dialogs.h"
#include "ui/MessageDialogService.Win.h"
#include "ui/PlatformServices.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

constexpr int kExitUsage = 1;

class Log {
 public:
  explicit Log(const wchar_t* path)
      : file_(CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr)) {}
  void Line(std::string_view text) {
    const std::string line = std::string(text) + "\n";
    DWORD written = 0;
    WriteFile(file_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  }

 private:
  ui::UniqueFile file_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return kExitUsage;
  const std::wstring_view kind = argv[1];
  Log log(argv[2]);
  const std::u16string message = ui::U16(argv[3]);
  ui::PlatformServices::Current().Add<ui::IMessageDialogService>(std::make_shared<ui::TWinMessageDialogService>());
  auto record = [&log](bool answer) { log.Line(answer ? "true" : "false"); };
  if (kind == L"info") {
    qx::utils::ShowInfoDialog(message);
  } else if (kind == L"error") {
    qx::utils::ShowErrorDialog(message);
  } else if (kind == L"question") {
    qx::utils::QueryMessageDialog(message, record);
  } else if (kind == L"okcancel") {
    qx::utils::QueryMessageDialog(message, ui::MsgDlgBtn::OK | ui::MsgDlgBtn::Cancel, ui::MsgDlgBtn::Cancel, ui::mrOk,
                           record);
  } else {
    return kExitUsage;
  }
  log.Line("returned");
  return 0;
}
