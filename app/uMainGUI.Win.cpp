#include "app/uMainGUI.h"

#include <windows.h>

#include "app/uBIPPlatform.Win.h"
#include "app/uMessages.h"
#include "qx/utils/QX.Utils.Application.Win.h"
#include "qx/utils/QX.Utils.Dialogs.h"
#include "qx/utils/QX.Utils.Form.h"
#include "qx/utils/QX.Utils.RunAsAdmin.Win.h"
#include "qx/utils/QX.Utils.Shutdown.Win.h"
#include "ui/Application.Win.h"
#include "ui/CommandLine.Win.h"
#include "ui/ForcedQueue.h"

namespace {
constexpr char16_t kGuiSwitch[] = u"dummy";
constexpr char16_t kScheme[] = u"korvalcoin";
}  // namespace

TfrmMain::TfrmMain() {
  BindHandler(u"FormCreate", [this] { FormCreate(); });
  BindHandler(u"FormDestroy", [this] { FormDestroy(); });
  BindHandler(u"btnExitClick", [this] { btnExitClick(); });
}

void TfrmMain::Loaded() {
  btnReg = &Component<ui::TButton>(u"btnReg");
  btnUnreg = &Component<ui::TButton>(u"btnUnreg");
  btnReg->OnClick = [this] { btnRegClick(); };
  btnUnreg->OnClick = [this] { btnUnregClick(); };
  btnCreateParam = &Component<ui::TButton>(u"btnCreateParam");
  btnExit = &Component<ui::TButton>(u"btnExit");
  lblCreated = &Component<ui::TLabel>(u"lblCreated");
}

void TfrmMain::FormCreate() {
  FCustomScheme = std::make_unique<qx::utils::TCustomScheme>(kScheme, ui::ParamStr(0));
  FBIP = std::make_unique<payment::TBIPUtils>(app::CreateBIPPlatform());
  ui::Application& app = ui::Application::Current();
  lblCreated->Text = u"Version " + qx::utils::GetApplicationVersion(app) + u" " + lblCreated->Text;
  if (ui::ParamCount() == 0) {
    ui::ForceQueue([this] {
      qx::utils::RunSelfAsAdmin(kGuiSwitch, true);
      Close();
    });
    return;
  }
  ProcCommand();
}

void TfrmMain::ProcCommand() {
  if (qx::utils::GetCommandSwitch() == kGuiSwitch) {
    FCanVisible = true;
    if (!UpdateSchemeButtons()) {
      // After the window's creation has finished.
      ui::ForceQueue([this] {
        qx::utils::QueryMessageDialog(app::GetMessageText(app::MSG_ASK_REGISTER), [this](bool iYes) {
          if (iYes) btnRegClick();
        });
      });
    }
    return;
  }
  // URI mode: no window, no taskbar button.
  {
    qx::utils::TFormUtils formUtils;
    formUtils.HideTaskbar();
  }
  btnReg->Enabled = false;
  btnUnreg->Enabled = false;
  btnCreateParam->Enabled = false;
  FBIP->SendToAddress(ui::ParamStr(1), [this] { Close(); });
}

void TfrmMain::FormDestroy() {
  FBIP.reset();
  FCustomScheme.reset();
}

bool TfrmMain::CanShow() { return FCanVisible && Form::CanShow(); }

void TfrmMain::btnExitClick() { Close(); }

bool TfrmMain::UpdateSchemeButtons() {
  const bool registered = FCustomScheme->Registered();
  SetButtonEnabled(*btnReg, !registered);
  SetButtonEnabled(*btnUnreg, registered);
  return registered;
}

void TfrmMain::btnRegClick() {
  if (!FCustomScheme->Register()) {
    qx::utils::ShowErrorDialog(app::GetMessageText(app::MSG_REGISTER_FAILED));
    return;
  }
  UpdateSchemeButtons();
  qx::utils::QueryMessageDialog(app::GetMessageText(app::MSG_REGISTER_SUCCEEDED_ASK_RESTART), [](bool iYes) {
    if (iYes) qx::utils::RebootWindows();
  });
}

void TfrmMain::btnUnregClick() {
  if (!FCustomScheme->Unregister()) {
    qx::utils::ShowErrorDialog(app::GetMessageText(app::MSG_UNREGISTER_FAILED));
    return;
  }
  UpdateSchemeButtons();
  qx::utils::ShowInfoDialog(app::GetMessageText(app::MSG_UNREGISTER_SUCCEEDED));
}
