#include "app/uMainGUI.h"

#include <windows.h>

#include "app/uBIPPlatform.Win.h"
#include "qx/utils/QX.Utils.Application.Win.h"
#include "qx/utils/QX.Utils.Form.h"
#include "qx/utils/QX.Utils.RunAsAdmin.Win.h"
#include "ui/Application.Win.h"
#include "ui/CommandLine.Win.h"
#include "ui/ForcedQueue.h"

namespace {
constexpr char16_t kGuiSwitch[] = u"dummy";
}  // namespace

TfrmMain::TfrmMain() {
  BindHandler(u"FormCreate", [this] { FormCreate(); });
  BindHandler(u"FormDestroy", [this] { FormDestroy(); });
  BindHandler(u"btnExitClick", [this] { btnExitClick(); });
}

void TfrmMain::Loaded() {
  btnReg = &Component<ui::TButton>(u"btnReg");
  btnUnreg = &Component<ui::TButton>(u"btnUnreg");
  btnCreateParam = &Component<ui::TButton>(u"btnCreateParam");
  btnExit = &Component<ui::TButton>(u"btnExit");
  lblCreated = &Component<ui::TLabel>(u"lblCreated");
}

void TfrmMain::FormCreate() {
  // FCustomScheme is created here once the scheme registration exists.
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

void TfrmMain::FormDestroy() { FBIP.reset(); }

bool TfrmMain::CanShow() { return FCanVisible && Form::CanShow(); }

void TfrmMain::btnExitClick() { Close(); }
