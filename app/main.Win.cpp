#include <windows.h>

#include "app/Units.Win.h"
#include "app/uMainGUI.h"
#include "ui/Application.Win.h"

namespace {
constexpr int kExitFailure = 1;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int code = 0;
  try {
    app::StartUnits();
    ui::Application& application = ui::Application::Current();
    application.Initialize();
    application.CreateForm<TfrmMain>(u"frmMain");
    application.Run();
  } catch (...) {
    code = kExitFailure;
  }
  app::EndUnits();
  return code;
}
