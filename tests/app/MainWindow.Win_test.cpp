// The real program in GUI mode, driven from outside as a user would.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <vector>

#include "support/FormInspection.Win.h"
#include "support/Process.Win.h"
#include "support/Robot.Win.h"
#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"
#include "ui/WinWindowHandle.Win.h"

namespace {

using namespace std::chrono_literals;
using testsupport::ControlOf;

constexpr auto kShowTimeout = 20s;
constexpr auto kExitTimeout = 20s;

testsupport::Child StartGui() {
  return testsupport::StartProcess(u"\"" + testsupport::BinPath(u"krvl-scheme.exe") + u"\" dummy");
}

// Wine takes the user locale from the Unix environment it starts in, which a
// Windows environment block does not change: start the program through the
// Unix side with the locale set.
void StartGuiUnderLocale(const std::u16string& locale) {
  wchar_t loader[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"WINELOADER", loader, MAX_PATH)) return;
  testsupport::StartProcess(u"/usr/bin/env LANG=" + locale + u" LC_ALL=" + locale + u" " + ui::U16(loader) +
                                   u" \"" + testsupport::BinPath(u"krvl-scheme.exe") + u"\" dummy");
}

// A visible form window that is not among `known`.
HWND WaitForNewForm(const std::set<HWND>& known) {
  HWND found = nullptr;
  testsupport::WaitUntil(
      [&] {
        found = FindWindowExW(nullptr, nullptr, ui::kFormWindowClass, nullptr);
        while (found && (known.contains(found) || !IsWindowVisible(found))) {
          found = FindWindowExW(nullptr, found, ui::kFormWindowClass, nullptr);
        }
        return found != nullptr;
      },
      kShowTimeout);
  return found;
}

std::string TextOf(const nlohmann::json& inspection, const std::string& name) {
  const auto c = ControlOf(inspection, name);
  return c.is_null() ? std::string("<missing>") : c.value("text", "<no text>");
}

TEST(MainWindow, GuiModeShowsTheFixedWindowAndEscapeOrCloseBoxEndIt) {
  testsupport::Child viaEscape = StartGui();
  testsupport::Child viaCloseBox = StartGui();
  ASSERT_TRUE(viaEscape.Started() && viaCloseBox.Started());
  HWND window = testsupport::WaitForVisibleWindow(viaEscape.Pid(), ui::kFormWindowClass, kShowTimeout);
  HWND other = testsupport::WaitForVisibleWindow(viaCloseBox.Pid(), ui::kFormWindowClass, kShowTimeout);
  ASSERT_NE(window, nullptr);
  ASSERT_NE(other, nullptr);
  // Nothing is registered in the test prefix: each asks to register first.
  ASSERT_TRUE(testsupport::AnswerNextDialog(viaEscape.Pid(), testsupport::RobotClick::No).Clicked());
  ASSERT_TRUE(testsupport::AnswerNextDialog(viaCloseBox.Pid(), testsupport::RobotClick::No).Clicked());

  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right - client.left, 270);
  EXPECT_EQ(client.bottom - client.top, 263);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(testsupport::WindowText(window), u"Register KRVL SCHEME");

  const auto inspection = testsupport::InspectForm(window);
  ASSERT_TRUE(inspection.has_value());
  EXPECT_EQ(TextOf(*inspection, "lblCreated").rfind("Version 1.0.3 ", 0), 0u) << TextOf(*inspection, "lblCreated");
  EXPECT_EQ(TextOf(*inspection, "btnReg"), "Register KORVALCOIN Scheme");
  EXPECT_EQ(ControlOf(*inspection, "btnReg").value("opacity", 0.0), 1.0);

  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(other, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(viaEscape.WaitExit(kExitTimeout));
  EXPECT_TRUE(viaCloseBox.WaitExit(kExitTimeout));
  EXPECT_EQ(viaEscape.ExitCode(), 0u);
  EXPECT_EQ(viaCloseBox.ExitCode(), 0u);
}

TEST(MainWindow, ControlTextsFollowTheUserInterfaceLanguage) {
  struct Case {
    const char* locale;
    const char* btnReg;
    const char* btnExit;
  } cases[] = {
      {"ja_JP.UTF-8", "KORVALCOIN スキームを登録", "終了"},
      {"de_DE.UTF-8", "Register KORVALCOIN Scheme", "Exit"},
      {"en_US.UTF-8", "Register KORVALCOIN Scheme", "Exit"},
  };
  std::set<HWND> seen;
  std::vector<ui::UniqueHandle> processes;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    // Wine gives no process handle for a Unix program; the window tells.
    StartGuiUnderLocale(ui::FromAscii(c.locale));
    HWND window = WaitForNewForm(seen);
    ASSERT_NE(window, nullptr);
    seen.insert(window);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    processes.emplace_back(OpenProcess(SYNCHRONIZE, FALSE, pid));
    ASSERT_TRUE(testsupport::AnswerNextDialog(pid, testsupport::RobotClick::No).Clicked());
    const auto inspection = testsupport::InspectForm(window);
    ASSERT_TRUE(inspection.has_value());
    EXPECT_EQ(TextOf(*inspection, "btnReg"), c.btnReg);
    EXPECT_EQ(TextOf(*inspection, "btnExit"), c.btnExit);
    // Texts without an entry stay as designed in every language.
    EXPECT_EQ(TextOf(*inspection, "lblTitle"), "Register KRVL Scheme");
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  for (auto& p : processes) {
    EXPECT_EQ(WaitForSingleObject(p.get(), static_cast<DWORD>(std::chrono::milliseconds(kExitTimeout).count())),
              WAIT_OBJECT_0);
  }
}

}  // namespace
