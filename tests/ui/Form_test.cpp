#include "ui/Form.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/SourceResources.h"
#include "ui/Button.h"
#include "ui/MessageManager.h"

namespace {

// Stands in for the native window: records what the form asks of it.
class FakeWindow : public ui::IFormWindow {
 public:
  explicit FakeWindow(std::vector<std::string>& log) : log_(log) {}
  ui::TWindowHandle Handle() const override { return 42; }
  void Show() override { log_.push_back("show"); }
  void Hide() override { log_.push_back("hide"); }
  void RunModal() override {}
  void Invalidate() override {}
  void Activate() override {}
  void Closed(ui::TCloseAction) override { log_.push_back("closed"); }
  float Scale() const override { return 1.0f; }

 private:
  std::vector<std::string>& log_;
};

class MainLayoutForm : public ui::Form {
 public:
  bool allowShow = true;
  int exitClicks = 0;
  int creates = 0;
  MainLayoutForm() {
    BindHandler(u"FormCreate", [this] { ++creates; });
    BindHandler(u"FormDestroy", [] {});
    BindHandler(u"btnExitClick", [this] { ++exitClicks; });
  }
  bool CanShow() override { return allowShow; }
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::InstallSourceResourceReader();
    ui::SetFormWindowFactory([this](ui::Form&) { return std::make_unique<FakeWindow>(log); });
  }
  void TearDown() override { ui::SetFormWindowFactory(nullptr); }
  void Create(ui::Form& f) { f.Create(testsupport::SourceResourceJson(u"frmMain")); }
  std::vector<std::string> log;
};

TEST_F(FormTest, CreatingAnnouncesTheNewWindowThenRunsTheCreateHandler) {
  MainLayoutForm f;
  ui::Form* announced = nullptr;
  int createsWhenAnnounced = -1;
  auto& m = ui::TMessageManager::DefaultManager();
  const int id = m.SubscribeToMessage<ui::TAfterCreateFormHandle>([&](const void*, const ui::TAfterCreateFormHandle& e) {
    announced = e.form;
    createsWhenAnnounced = f.creates;
  });
  Create(f);
  m.Unsubscribe(id);
  EXPECT_EQ(announced, &f);
  EXPECT_EQ(createsWhenAnnounced, 0);
  EXPECT_EQ(f.creates, 1);
  EXPECT_EQ(f.Handle(), 42u);
  EXPECT_EQ(f.Settings().Caption, u"Register KRVL SCHEME");
  EXPECT_EQ(f.Settings().BorderStyle, ui::TFormBorderStyle::Single);
  EXPECT_EQ(f.Settings().BorderIcons, ui::biSystemMenu);
  EXPECT_NE(f.Style(), nullptr);
}

TEST_F(FormTest, ShowAsksCanShowEveryTime) {
  MainLayoutForm f;
  Create(f);
  f.allowShow = false;
  f.Show();
  EXPECT_FALSE(f.Visible());
  f.allowShow = true;
  f.Show();
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(log, (std::vector<std::string>{"show"}));
}

TEST_F(FormTest, TabFollowsTabOrderAndWrapsBothWays) {
  MainLayoutForm f;
  Create(f);
  f.Show();
  // Shown: the first stop has the focus.
  const std::vector<std::u16string> order{u"btnReg", u"btnUnreg", u"btnExit", u"btnCreateParam", u"btnReg"};
  for (const auto& name : order) {
    ASSERT_NE(f.Focused(), nullptr);
    EXPECT_EQ(f.Focused()->Name, name);
    f.KeyDown(ui::TKey::Tab, false, 0);
  }
  f.KeyDown(ui::TKey::Tab, true, 0);
  f.KeyDown(ui::TKey::Tab, true, 0);
  EXPECT_EQ(f.Focused()->Name, u"btnCreateParam");
  // A disabled button is skipped.
  f.Component<ui::TButton>(u"btnReg").Enabled = false;
  f.KeyDown(ui::TKey::Tab, false, 0);
  EXPECT_EQ(f.Focused()->Name, u"btnUnreg");
}

TEST_F(FormTest, EscapeClicksTheCancelButtonOnlyWhileItIsEnabled) {
  MainLayoutForm f;
  Create(f);
  EXPECT_TRUE(f.KeyDown(ui::TKey::Escape, false, 0));
  EXPECT_EQ(f.exitClicks, 1);
  f.Component<ui::TButton>(u"btnExit").Enabled = false;
  EXPECT_FALSE(f.KeyDown(ui::TKey::Escape, false, 0));
  EXPECT_EQ(f.exitClicks, 1);
}

TEST_F(FormTest, KeyboardAndMouseClickTheButtonTheyAreOn) {
  MainLayoutForm f;
  Create(f);
  f.Show();
  auto& exit = f.Component<ui::TButton>(u"btnExit");
  f.SetFocused(&exit);
  f.KeyDown(ui::TKey::Enter, false, 0);
  f.KeyDown(ui::TKey::Space, false, 0);
  EXPECT_EQ(f.exitClicks, 1);  // Space clicks on release
  f.KeyUp(ui::TKey::Space, 0);
  EXPECT_EQ(f.exitClicks, 2);

  const ui::TRectF r = exit.AbsoluteRect();
  const ui::TPointF inside{r.Left + 5, r.Top + 5};
  f.MouseDown(inside, 0);
  f.MouseUp(inside, 0.1);
  EXPECT_EQ(f.exitClicks, 3);
  f.MouseDown(inside, 1);
  f.MouseUp({r.Left + 5, r.Top - 30}, 1.1);  // released elsewhere: no click
  EXPECT_EQ(f.exitClicks, 3);
  f.MouseDown({2, 2}, 2);  // on a label
  f.MouseUp({2, 2}, 2.1);
  EXPECT_EQ(f.exitClicks, 3);
}

TEST_F(FormTest, CloseHandsTheActionToTheWindowUnlessRefused) {
  MainLayoutForm f;
  Create(f);
  f.OnClose = [](ui::TCloseAction& action) { action = ui::TCloseAction::caNone; };
  f.Close();
  EXPECT_TRUE(log.empty());
  f.OnClose = nullptr;
  f.Close();
  EXPECT_EQ(log, (std::vector<std::string>{"closed"}));
}

TEST_F(FormTest, LayoutErrorsAreReported) {
  ui::Form unbound;  // binds no handlers, but the layout names some
  EXPECT_ANY_THROW(unbound.Create(testsupport::SourceResourceJson(u"frmMain")));

  MainLayoutForm f;
  nlohmann::json layout = testsupport::SourceResourceJson(u"frmMain");
  layout["children"][0]["kind"] = "spinner";
  EXPECT_ANY_THROW(f.Create(layout));
  layout = testsupport::SourceResourceJson(u"frmMain");
  layout["children"][0]["align"] = "Sideways";
  EXPECT_ANY_THROW(f.Create(layout));
  layout = testsupport::SourceResourceJson(u"frmMain");
  layout["form"]["styleBook"] = "noSuchStyle";
  EXPECT_ANY_THROW(f.Create(layout));
  EXPECT_ANY_THROW(f.Component<ui::TButton>(u"lblTitle"));  // wrong kind
}

}  // namespace
