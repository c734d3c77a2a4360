#include "app/uMainGUI.h"

#include <windows.h>

#include "qx/utils/QX.Utils.Application.Win.h"
#include "qx/utils/QX.Utils.RunAsAdmin.Win.h"
#include "ui/Application.Win.h"
#include "ui/CommandLine.Win.h"
#include "ui/ForcedQueue.h"

namespace {
constexpr char16_t kGuiSwitch[] = u"dummy";
}  // namespace

TfrmMain::TfrmMain() {
  BindHandler(u"FormCreate", [this] { FormCreate(); });
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
  // FBIP and FCustomScheme are created here once the dispatcher and the
  // scheme registration exist.
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
  ShowWindow(reinterpret_cast<HWND>(ui::Application::Current().Handle()), SW_HIDE);
  btnReg->Enabled = false;
  btnUnreg->Enabled = false;
  btnCreateParam->Enabled = false;
  // Until the dispatcher takes the link, the process ends by itself.
  ui::ForceQueue([this] { Close(); });
}

bool TfrmMain::CanShow() { return FCanVisible && Form::CanShow(); }

void TfrmMain::btnExitClick() { Close(); }
