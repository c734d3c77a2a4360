#include "app/uBIPPlatform.Win.h"

#include <windows.h>

#include "app/uMessages.h"
#include "qx/cli/QX.CLI.h"
#include "qx/utils/QX.Utils.FormatSettings.Win.h"
#include "qx/utils/QX.Utils.ProcessSnap.Win.h"

namespace app {
namespace {

class TBIPPlatformWin final : public payment::IBIPPlatform {
 public:
  std::u16string GetProcessPath(ui::TWindowHandle iWnd) override {
    return qx::utils::GetProcessPath(reinterpret_cast<HWND>(iWnd));
  }

  void Execute(const std::u16string& iCommand) override {
    qx::cli::TCLI cli;
    cli.Execute(iCommand);
  }

  std::u16string GetMessageText(payment::TBIPMessage iId) override {
    switch (iId) {
      case payment::TBIPMessage::WalletNotRunning: return app::GetMessageText(MSG_WALLET_NOT_RUNNING);
      case payment::TBIPMessage::WalletExeNotFound: return app::GetMessageText(MSG_WALLET_EXE_NOT_FOUND);
      case payment::TBIPMessage::ConfirmSend: return app::GetMessageText(MSG_CONFIRM_SEND);
      case payment::TBIPMessage::ConfirmSendConverted: return app::GetMessageText(MSG_CONFIRM_SEND_CONVERTED);
    }
    return {};
  }

  qx::TFormatSettings FormatSettings() override { return qx::GetUserFormatSettings(); }

  std::u16string UpperCase(std::u16string_view iText) override { return qx::UpperCaseUser(iText); }
};

}  // namespace

std::shared_ptr<payment::IBIPPlatform> CreateBIPPlatform() { return std::make_shared<TBIPPlatformWin>(); }

}  // namespace app
