// The registration commands of the real program in GUI mode, its dialogs
// answered by the dialog robot. The restart question is only ever answered
// No: the test prefix must never see a restart.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <memory>

#include "app/uMessages.h"
#include "qx/utils/QX.Utils.CustomScheme.h"
#include "qx/utils/QX.Utils.Registry.Win.h"
#include "support/FormInspection.Win.h"
#include "support/Process.Win.h"
#include "support/RegistrySandbox.Win.h"
#include "support/Robot.Win.h"
#include "support/ScopedService.h"
#include "ui/LocaleService.Win.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"
#include "ui/WinWindowHandle.Win.h"

namespace {

using namespace std::chrono_literals;
using testsupport::RobotClick;

constexpr auto kShowTimeout = 20s;
constexpr auto kExitTimeout = 20s;
constexpr double kDefaultDpi = 96.0;

const std::u16string kSchemeKey = u"SOFTWARE\\Classes\\korvalcoin\\";
const std::u16string kAppKey = u"SOFTWARE\\Classes\\Applications\\krvl-scheme.exe\\";

void RemoveRegistration() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    RegDeleteTreeW(root, ui::W(kSchemeKey));
    RegDeleteKeyW(root, ui::W(kSchemeKey));
  }
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, ui::W(kAppKey));
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, ui::W(kAppKey));
}

bool AnyRegistrationKey() {
  return qx::utils::RegKeyExists(HKEY_LOCAL_MACHINE, kSchemeKey) ||
         qx::utils::RegKeyExists(HKEY_CURRENT_USER, kSchemeKey) || qx::utils::RegKeyExists(HKEY_LOCAL_MACHINE, kAppKey);
}

struct Gui {
  testsupport::Child process;
  HWND window = nullptr;
};

Gui StartGui() {
  Gui gui;
  gui.process = testsupport::StartProcess(u"\"" + testsupport::BinPath(u"krvl-scheme.exe") + u"\" dummy");
  if (gui.process.Started()) {
    gui.window = testsupport::WaitForVisibleWindow(gui.process.Pid(), ui::kFormWindowClass, kShowTimeout);
  }
  return gui;
}

struct Buttons {
  bool regEnabled, unregEnabled;
  double regOpacity, unregOpacity;
  friend bool operator==(const Buttons&, const Buttons&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Buttons& b) {
    return os << "reg " << b.regEnabled << "/" << b.regOpacity << ", unreg " << b.unregEnabled << "/"
              << b.unregOpacity;
  }
};
constexpr Buttons kUnregisteredButtons{true, false, 1.0, 0.5};
constexpr Buttons kRegisteredButtons{false, true, 0.5, 1.0};

Buttons ButtonsOf(HWND window) {
  const auto inspection = testsupport::InspectForm(window);
  if (!inspection) return {};
  const auto reg = testsupport::ControlOf(*inspection, "btnReg");
  const auto unreg = testsupport::ControlOf(*inspection, "btnUnreg");
  return {reg.value("enabled", false), unreg.value("enabled", false), reg.value("opacity", 0.0),
          unreg.value("opacity", 0.0)};
}

// A mouse click on the middle of a windowless button, as the user gives it.
void Click(HWND window, const std::string& name) {
  const auto inspection = testsupport::InspectForm(window);
  ASSERT_TRUE(inspection.has_value());
  const auto bounds = testsupport::ControlOf(*inspection, name).value("bounds", nlohmann::json::array());
  ASSERT_EQ(bounds.size(), 4u);
  const double scale = GetDpiForWindow(window) / kDefaultDpi;
  const int x = static_cast<int>((bounds[0].get<double>() + bounds[2].get<double>()) / 2 * scale);
  const int y = static_cast<int>((bounds[1].get<double>() + bounds[3].get<double>()) / 2 * scale);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class SchemeCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveRegistration();
    // The texts the program shows, in the language the prefix gives it.
    testsupport::ScopedService<ui::ILocaleService> locale(std::make_shared<ui::TWinLocaleService>());
    app::TMessageCatalogue catalogue;
    for (auto id : {app::MSG_ASK_REGISTER, app::MSG_REGISTER_SUCCEEDED_ASK_RESTART, app::MSG_REGISTER_FAILED,
                    app::MSG_UNREGISTER_SUCCEEDED}) {
      texts[id] = catalogue.GetMessageText(id);
    }
  }
  void TearDown() override { RemoveRegistration(); }

  std::u16string texts[app::MSG_CONFIRM_SEND_CONVERTED + 1];
};

TEST_F(SchemeCommands, StartQuestionRegisterRestartQuestionAndUnregister) {
  // No to the start question: nothing is written.
  Gui declined = StartGui();
  ASSERT_NE(declined.window, nullptr);
  // The question belongs to the shown main window.
  const HWND box = testsupport::WaitForVisibleWindow(declined.process.Pid(), L"#32770", kShowTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), declined.window);
  auto seen = testsupport::AnswerNextDialog(declined.process.Pid(), RobotClick::No);
  ASSERT_TRUE(seen.Clicked());
  EXPECT_TRUE(seen.text == texts[app::MSG_ASK_REGISTER]);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_FALSE(AnyRegistrationKey());
  EXPECT_EQ(ButtonsOf(declined.window), kUnregisteredButtons);
  PostMessageW(declined.window, WM_CLOSE, 0, 0);

  // A failing write: under a volatile per-user scheme key no lasting subkey
  // can be made. The error is shown and the buttons stay.
  ui::UniqueKey blocker = testsupport::CreateVolatileKey(HKEY_CURRENT_USER, kSchemeKey);
  ASSERT_TRUE(blocker);
  ASSERT_FALSE(qx::utils::RegKeyExists(HKEY_LOCAL_MACHINE, kSchemeKey));  // so the first box asks to register
  Gui failing = StartGui();
  ASSERT_NE(failing.window, nullptr);
  ASSERT_TRUE(testsupport::AnswerNextDialog(failing.process.Pid(), RobotClick::Yes).Clicked());
  seen = testsupport::AnswerNextDialog(failing.process.Pid(), RobotClick::Ok);
  ASSERT_TRUE(seen.Clicked());
  EXPECT_TRUE(seen.text == texts[app::MSG_REGISTER_FAILED]);
  EXPECT_EQ(ButtonsOf(failing.window), kUnregisteredButtons);
  PostMessageW(failing.window, WM_CLOSE, 0, 0);
  blocker.reset();
  RemoveRegistration();

  // Yes registers and asks to restart; No keeps everything running.
  ASSERT_FALSE(AnyRegistrationKey());  // so the first box is the start question
  Gui accepted = StartGui();
  ASSERT_NE(accepted.window, nullptr);
  ASSERT_TRUE(testsupport::AnswerNextDialog(accepted.process.Pid(), RobotClick::Yes).Clicked());
  seen = testsupport::AnswerNextDialog(accepted.process.Pid(), RobotClick::No);
  ASSERT_TRUE(seen.Clicked());
  EXPECT_TRUE(seen.text == texts[app::MSG_REGISTER_SUCCEEDED_ASK_RESTART]);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
  const std::u16string exe = testsupport::BinPath(u"krvl-scheme.exe");
  EXPECT_TRUE(qx::utils::TCustomScheme(u"korvalcoin", exe).Registered());
  EXPECT_TRUE(qx::utils::TCustomScheme::GetAppPath(u"korvalcoin") == exe);
  EXPECT_EQ(ButtonsOf(accepted.window), kRegisteredButtons);
  EXPECT_EQ(accepted.process.ExitCode(), static_cast<DWORD>(STILL_ACTIVE));

  // Unregister removes it, says so and swaps the buttons back.
  Click(accepted.window, "btnUnreg");
  seen = testsupport::AnswerNextDialog(accepted.process.Pid(), RobotClick::Ok);
  ASSERT_TRUE(seen.Clicked());
  EXPECT_TRUE(seen.text == texts[app::MSG_UNREGISTER_SUCCEEDED]);
  EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
  EXPECT_FALSE(AnyRegistrationKey());
  EXPECT_EQ(ButtonsOf(accepted.window), kUnregisteredButtons);
  PostMessageW(accepted.window, WM_CLOSE, 0, 0);

  for (auto* gui : {&declined, &failing, &accepted}) {
    EXPECT_TRUE(gui->process.WaitExit(kExitTimeout));
    EXPECT_EQ(gui->process.ExitCode(), 0u);
  }
}

}  // namespace
