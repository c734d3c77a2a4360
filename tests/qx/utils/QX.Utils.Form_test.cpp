#include "qx/utils/QX.Utils.Form.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/ScopedService.h"

namespace qx::utils {
namespace {

struct Recorder : IFormUtils {
  std::vector<std::string> calls;
  ui::TWindowHandle FindWindow(const std::u16string& iCaption) override {
    calls.push_back("FindWindow:" + std::string(iCaption.begin(), iCaption.end()));
    return 42;
  }
  void HideTaskbar() override { calls.push_back("HideTaskbar"); }
  void ShowTaskbar() override { calls.push_back("ShowTaskbar"); }
  void BringToFront() override { calls.push_back("BringToFront"); }
  void BringToFront(ui::TWindowHandle iWnd) override { calls.push_back("BringToFront:" + std::to_string(iWnd)); }
  void RegistMinimizeProc(ui::Form* iForm, TFormStateNotifyProc iProc) override {
    calls.push_back(std::string("Regist:") + (iForm ? "form" : "none") + (iProc ? "+proc" : ""));
  }
};

struct RecordingFactory : TFormUtilsFactory {
  int created = 0;
  std::weak_ptr<Recorder> last;
  std::shared_ptr<IFormUtils> CreateFormUtils() override {
    ++created;
    auto r = std::make_shared<Recorder>();
    last = r;
    return r;
  }
};

// Every operation once; gives what FindWindow answered.
ui::TWindowHandle CallEveryOperation(TFormUtils& utils, ui::Form* form) {
  const ui::TWindowHandle found = utils.FindWindow(u"cap");
  utils.HideTaskbar();
  utils.ShowTaskbar();
  utils.BringToFront();
  utils.BringToFront(7);
  utils.RegisterMinimizeProc(form, [](bool) {});
  utils.RegisterMinimizeProc(nullptr, nullptr);
  return found;
}

TEST(FormUtilsFacade, WithoutFactoryDoesNothing) {
  testsupport::ScopedService<IFormUtilsFactory> none;
  TFormUtils utils;
  EXPECT_EQ(CallEveryOperation(utils, nullptr), 0u);
}

TEST(FormUtilsFacade, ForwardsToOneImplementationItOwns) {
  auto factory = std::make_shared<RecordingFactory>();
  testsupport::ScopedService<IFormUtilsFactory> registered(factory);
  auto form = reinterpret_cast<ui::Form*>(0x10);  // only passed through
  {
    TFormUtils utils;
    ASSERT_EQ(factory->created, 1);
    EXPECT_EQ(CallEveryOperation(utils, form), 42u);
    auto impl = factory->last.lock();
    ASSERT_TRUE(impl);
    EXPECT_EQ(impl->calls, (std::vector<std::string>{"FindWindow:cap", "HideTaskbar", "ShowTaskbar", "BringToFront",
                                                     "BringToFront:7", "Regist:form+proc", "Regist:none"}));
  }
  EXPECT_TRUE(factory->last.expired());
  EXPECT_EQ(factory->created, 1);
}

}  // namespace
}  // namespace qx::utils
