// Window operations against real windows: the stand-in wallet in another
// process, and forms and the application window of this process.
#include "qx/utils/QX.Utils.Form.Win.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "qx/utils/QX.Utils.ProcessSnap.Win.h"
#include "support/FakeWallet.Win.h"
#include "ui/Application.Win.h"
#include "ui/Form.h"
#include "ui/Text.h"
#include "ui/WinText.Win.h"

namespace qx::utils {
namespace {

using namespace std::chrono_literals;

HWND Hwnd(ui::TWindowHandle h) { return reinterpret_cast<HWND>(h); }

// True when `upper` comes before `lower` in the top-level z-order.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == upper) return true;
    if (w == lower) return false;
  }
  return false;
}

std::unique_ptr<ui::Form> MakeForm(const char* caption) {
  ui::Application::Current().Initialize();
  auto form = std::make_unique<ui::Form>();
  form->Create(nlohmann::json{{"form", {{"caption", caption}, {"clientWidth", 200}, {"clientHeight", 100}}},
                              {"children", nlohmann::json::array()}});
  return form;
}

class FormUtilsWithWallet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testsupport::TempDir;
    wallet_ = new testsupport::FakeWallet(testsupport::StartFakeWallet(dir_->File(u"wallet.log")));
  }
  static void TearDownTestSuite() {
    delete wallet_;
    delete dir_;
  }
  void SetUp() override { ASSERT_NE(wallet_->window, nullptr); }

  static testsupport::TempDir* dir_;
  static testsupport::FakeWallet* wallet_;
  TFormUtilsWin utils_;
};
testsupport::TempDir* FormUtilsWithWallet::dir_ = nullptr;
testsupport::FakeWallet* FormUtilsWithWallet::wallet_ = nullptr;

TEST_F(FormUtilsWithWallet, FindWindowMatchesTheExactCaptionOnly) {
  EXPECT_EQ(Hwnd(utils_.FindWindow(testsupport::kWalletCaption)), wallet_->window);
  EXPECT_EQ(utils_.FindWindow(u"KORVALCOIN CORE KRVL WALLET"), 0u);
  EXPECT_EQ(utils_.FindWindow(u"korvalcoin core krvl wallet  "), 0u);
}

TEST_F(FormUtilsWithWallet, GetProcessPathGivesTheOwnersImage) {
  const std::u16string path = GetProcessPath(wallet_->window);
  const std::u16string expected = testsupport::BinPath(u"fake_wallet.exe");
  EXPECT_EQ(CompareStringOrdinal(ui::W(path), -1, ui::W(expected), -1, TRUE), CSTR_EQUAL)
      << ui::ToUtf8(path) << " vs " << ui::ToUtf8(expected);
  EXPECT_EQ(GetProcessPath(nullptr), u"");
  EXPECT_EQ(GetProcessPath(reinterpret_cast<HWND>(0x7FFF0123)), u"");
}

TEST_F(FormUtilsWithWallet, BringToFrontRaisesTheWalletAboveOurWindow) {
  auto form = MakeForm("raise test");
  const HWND own = Hwnd(form->Handle());
  ShowWindow(own, SW_SHOWNORMAL);
  SetForegroundWindow(own);
  ASSERT_TRUE(testsupport::WaitUntil([&] { return IsAbove(own, wallet_->window); }, 5s));

  utils_.BringToFront(reinterpret_cast<ui::TWindowHandle>(wallet_->window));
  EXPECT_TRUE(testsupport::WaitUntil([&] { return IsAbove(wallet_->window, own); }, 5s));
  // Our own window, whose thread is the foreground one: attaching fails, the raise does not.
  utils_.BringToFront(form->Handle());
  EXPECT_TRUE(testsupport::WaitUntil([&] { return IsAbove(own, wallet_->window); }, 5s));
  form->Destroy();
}

TEST(FormUtilsWin, HideAndShowTaskbarToggleTheApplicationWindow) {
  ui::Application::Current().Initialize();
  const HWND app = Hwnd(ui::Application::Current().Handle());
  ASSERT_NE(app, nullptr);
  ShowWindow(app, SW_SHOWNA);
  TFormUtilsWin utils;
  utils.HideTaskbar();
  EXPECT_FALSE(IsWindowVisible(app));
  utils.ShowTaskbar();
  EXPECT_TRUE(IsWindowVisible(app));
}

// Sees every WM_SIZE after our hook passed it on.
class NextHook {
 public:
  NextHook() : hook_(SetWindowsHookExW(WH_CALLWNDPROCRET, &Proc, nullptr, GetCurrentThreadId())) { seen_ = 0; }
  static int Seen() { return seen_; }

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code >= 0 && reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message == WM_SIZE) ++seen_;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  ui::UniqueHook hook_;
  static inline int seen_ = 0;
};

class MinimizeNotification : public ::testing::Test {
 protected:
  // Installed before the unit's hook, so it runs after it.
  NextHook next_;
  void SetUp() override { form_win::UnitStart(); }
  void TearDown() override { form_win::UnitEnd(); }
};

TEST_F(MinimizeNotification, ReachesRegisteredObjectsInCreationOrder) {
  auto watched = MakeForm("watched");
  auto other = MakeForm("other");
  const HWND wnd = Hwnd(watched->Handle());
  std::vector<std::string> log;
  {
    TFormUtils first;
    TFormUtils second;
    TFormUtils elsewhere;
    TFormUtils unset;
    second.RegisterMinimizeProc(watched.get(), [&](bool m) { log.push_back(m ? "second:min" : "second:restore"); });
    first.RegisterMinimizeProc(watched.get(), [&](bool m) { log.push_back(m ? "first:min" : "first:restore"); });
    elsewhere.RegisterMinimizeProc(other.get(), [&](bool) { log.push_back("elsewhere"); });
    unset.RegisterMinimizeProc(watched.get(), [&](bool) { log.push_back("unset"); });
    unset.RegisterMinimizeProc(watched.get(), nullptr);

    const struct {
      int show;
      std::vector<std::string> expected;
    } cases[] = {
        {SW_SHOWNORMAL, {"first:restore", "second:restore"}},
        {SW_MINIMIZE, {"first:min", "second:min"}},
        {SW_RESTORE, {"first:restore", "second:restore"}},
        {SW_MAXIMIZE, {}},
    };
    for (const auto& c : cases) {
      log.clear();
      const int before = NextHook::Seen();
      ShowWindow(wnd, c.show);
      EXPECT_EQ(log, c.expected) << "show command " << c.show;
      EXPECT_GT(NextHook::Seen(), before) << "show command " << c.show;
    }
  }
  // The last object is gone: the hook only passes messages on.
  log.clear();
  const int before = NextHook::Seen();
  ShowWindow(wnd, SW_MINIMIZE);
  ShowWindow(wnd, SW_RESTORE);
  EXPECT_TRUE(log.empty());
  EXPECT_GE(NextHook::Seen(), before + 2);
  watched->Destroy();
  other->Destroy();
}

TEST_F(MinimizeNotification, AProcedureMayFreeObjectsStillToBeNotified) {
  auto watched = MakeForm("watched");
  std::vector<std::string> log;
  auto first = std::make_unique<TFormUtils>();
  auto second = std::make_optional<TFormUtils>();
  first->RegisterMinimizeProc(watched.get(), [&](bool) {
    log.push_back("first");
    second.reset();
    first.reset();  // frees the object whose procedure is running
  });
  second->RegisterMinimizeProc(watched.get(), [&](bool) { log.push_back("second"); });
  ShowWindow(Hwnd(watched->Handle()), SW_MINIMIZE);
  EXPECT_EQ(log, std::vector<std::string>{"first"});
  ShowWindow(Hwnd(watched->Handle()), SW_RESTORE);
  EXPECT_EQ(log.size(), 1u);
  watched->Destroy();
}

}  // namespace
}  // namespace qx::utils
