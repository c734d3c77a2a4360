#pragma once
// The main window. It decides while being created what this process is:
// the relaunch with administrator rights (no argument), the window with its
// commands ("dummy"), or the hand-off of a payment link (anything else).
#include <memory>

#include "payment/uBIP.h"
#include "qx/utils/QX.Utils.CustomScheme.h"
#include "ui/Button.h"
#include "ui/Form.h"

// Enabled state and the opacity that shows it: 1.0 enabled, 0.5 disabled.
void SetButtonEnabled(ui::TButton& button, bool enabled);

class TfrmMain : public ui::Form {
 public:
  TfrmMain();
  bool CanShow() override;

 protected:
  void Loaded() override;

 private:
  void FormCreate();
  void FormDestroy();
  void ProcCommand();
  void btnExitClick();
  void btnRegClick();
  void btnUnregClick();
  // Enables the button that applies now; returns whether the scheme is registered.
  bool UpdateSchemeButtons();

  ui::TButton* btnReg = nullptr;
  ui::TButton* btnUnreg = nullptr;
  ui::TButton* btnCreateParam = nullptr;
  ui::TButton* btnExit = nullptr;
  ui::TLabel* lblCreated = nullptr;
  bool FCanVisible = false;
  std::unique_ptr<payment::TBIPUtils> FBIP;
  std::unique_ptr<qx::utils::TCustomScheme> FCustomScheme;
};
