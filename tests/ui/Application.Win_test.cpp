// The Windows host in-process: forms over real windows, the forced queue
// drained by the message loop, modal forms, and the order of the lifecycle.
#include "ui/Application.Win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SourceResources.h"
#include "ui/Button.h"
#include "ui/ForcedQueue.h"
#include "ui/WinWindowHandle.Win.h"

namespace {

std::vector<std::string> gLog;

// The main window's layout with handlers that record the lifecycle.
class RecordingForm : public ui::Form {
 public:
  explicit RecordingForm(bool queueWork) : queueWork_(queueWork) {
    BindHandler(u"FormCreate", [this] { Created(); });
    BindHandler(u"FormDestroy", [] {});
    BindHandler(u"btnExitClick", [this] { Close(); });
  }
  ~RecordingForm() override { gLog.push_back("deleted"); }
  bool CanShow() override { return false; }

 private:
  void Created() {
    gLog.push_back("create");
    if (!queueWork_) return;
    ui::ForceQueue([] {
      gLog.push_back("queued");
      ui::Application& app = ui::Application::Current();
      // A modal form, ended from the queue while its loop runs.
      auto& dialog = app.CreateForm<ModalForm>(u"frmMain");
      ui::ForceQueue([&dialog] { dialog.Close(); });
      gLog.push_back("modal " + std::to_string(dialog.ShowModal()));
      // Escape on the main window clicks Exit, which ends the application.
      app.MainForm()->KeyDown(ui::TKey::Escape, false, 0);
    });
    gLog.push_back("create returned");
  }

  class ModalForm : public ui::Form {
   public:
    ModalForm() {
      BindHandler(u"FormCreate", [] {});
      BindHandler(u"FormDestroy", [] {});
      BindHandler(u"btnExitClick", [this] { Close(); });
    }
  };

  bool queueWork_;
};

TEST(Application, QueuedWorkRunsInTheLoopAndClosingTheMainFormEndsIt) {
  ui::Application& app = ui::Application::Current();
  app.Initialize();
  testsupport::InstallSourceResourceReader();  // the test program has no layout resources
  ASSERT_NE(app.Handle(), 0u);
  EXPECT_EQ(app.MainForm(), nullptr);

  auto& main = app.CreateForm<RecordingForm>(u"frmMain", true);
  EXPECT_EQ(app.MainForm(), &main);
  ASSERT_NE(main.Handle(), 0u);
  HWND hwnd = reinterpret_cast<HWND>(main.Handle());
  EXPECT_EQ(ui::TWinWindowHandle::FormOf(hwnd), &main);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), reinterpret_cast<HWND>(app.Handle()));
  gLog.push_back("run");
  app.Run();

  EXPECT_EQ(gLog, (std::vector<std::string>{"create", "create returned", "run", "queued", "modal 2", "deleted"}));
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(app.MainForm(), nullptr);
  EXPECT_EQ(app.Handle(), 0u);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST(WinWindowHandle, ForcedScaleIsClassWideAndNeverBelowOne) {
  ui::TWinWindowHandle::SetForcedScale(0.5f);
  EXPECT_EQ(ui::TWinWindowHandle::ForcedScale(), 1.0f);
  ui::TWinWindowHandle::SetForcedScale(1.5f);
  EXPECT_EQ(ui::TWinWindowHandle::ForcedScale(), 1.5f);
}

}  // namespace
