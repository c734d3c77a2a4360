#include "qx/utils/QX.Utils.Dialogs.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "ui/PlatformServices.h"

namespace {

struct ShownDialog {
  std::u16string message;
  ui::MsgDlgType type;
  ui::MsgDlgButtons buttons;
  ui::MsgDlgBtn defaultButton;
  int helpContext;
};

// Records each dialog and closes it at once with a preset result, as the
// synchronous Windows service does; `closeTwice` plays a faulty service.
class FakeDialogService : public ui::IMessageDialogService {
 public:
  void MessageDialog(const std::u16string& message, ui::MsgDlgType type, ui::MsgDlgButtons buttons,
                     ui::MsgDlgBtn defaultButton, int helpContext, ui::TInputCloseDialogProc closeProc) override {
    shown.push_back({message, type, buttons, defaultButton, helpContext});
    closeProc(result);
    if (closeTwice) closeProc(result);
  }
  std::vector<ShownDialog> shown;
  ui::TModalResult result = ui::mrOk;
  bool closeTwice = false;
};

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { ui::PlatformServices::Current().Add<ui::IMessageDialogService>(service); }
  void TearDown() override { ui::PlatformServices::Current().Remove<ui::IMessageDialogService>(); }

  std::shared_ptr<FakeDialogService> service = std::make_shared<FakeDialogService>();
};

constexpr ui::MsgDlgButtons kOK = static_cast<ui::MsgDlgButtons>(ui::MsgDlgBtn::OK);
constexpr ui::MsgDlgButtons kYesNo = ui::MsgDlgBtn::Yes | ui::MsgDlgBtn::No;

TEST_F(DialogsTest, InfoAndErrorShowOneOkButtonThatIsTheDefault) {
  qx::utils::ShowInfoDialog(u"info");
  qx::utils::ShowErrorDialog(u"エラー\r\nline");
  ASSERT_EQ(service->shown.size(), 2u);
  EXPECT_EQ(service->shown[0].message, u"info");
  EXPECT_EQ(service->shown[0].type, ui::MsgDlgType::Information);
  EXPECT_EQ(service->shown[1].message, u"エラー\r\nline");
  EXPECT_EQ(service->shown[1].type, ui::MsgDlgType::Error);
  for (const auto& d : service->shown) {
    EXPECT_EQ(d.buttons, kOK);
    EXPECT_EQ(d.defaultButton, ui::MsgDlgBtn::OK);
    EXPECT_EQ(d.helpContext, 0);
  }
}

TEST_F(DialogsTest, ShortQuestionIsYesNoWithYesDefaultAndMapsTheAnswer) {
  const struct {
    ui::TModalResult closedWith;
    bool expected;
  } cases[] = {{ui::mrYes, true}, {ui::mrNo, false}, {ui::mrCancel, false}, {ui::mrNone, false}};
  for (const auto& c : cases) {
    service->shown.clear();
    service->result = c.closedWith;
    std::vector<bool> answers;
    qx::utils::QueryMessageDialog(u"question", [&](bool yes) { answers.push_back(yes); });
    ASSERT_EQ(service->shown.size(), 1u);
    EXPECT_EQ(service->shown[0].type, ui::MsgDlgType::Confirmation);
    EXPECT_EQ(service->shown[0].buttons, kYesNo);
    EXPECT_EQ(service->shown[0].defaultButton, ui::MsgDlgBtn::Yes);
    EXPECT_EQ(answers, std::vector<bool>{c.expected}) << "closed with " << c.closedWith;
  }
}

TEST_F(DialogsTest, FullQuestionComparesWithTheCallersPositiveResult) {
  service->result = ui::mrOk;
  std::optional<bool> answer;
  qx::utils::QueryMessageDialog(u"q", ui::MsgDlgBtn::OK | ui::MsgDlgBtn::Cancel, ui::MsgDlgBtn::Cancel, ui::mrOk,
                         [&](bool yes) { answer = yes; });
  ASSERT_EQ(service->shown.size(), 1u);
  EXPECT_EQ(service->shown[0].buttons, ui::MsgDlgBtn::OK | ui::MsgDlgBtn::Cancel);
  EXPECT_EQ(service->shown[0].defaultButton, ui::MsgDlgBtn::Cancel);
  EXPECT_EQ(answer, true);

  // Yes is not the positive answer here.
  service->result = ui::mrYes;
  qx::utils::QueryMessageDialog(u"q", kYesNo, ui::MsgDlgBtn::No, ui::mrNo, [&](bool yes) { answer = yes; });
  EXPECT_EQ(answer, false);
}

TEST_F(DialogsTest, AnswerArrivesOnceEvenWhenTheServiceClosesTwice) {
  service->closeTwice = true;
  service->result = ui::mrYes;
  int calls = 0;
  qx::utils::QueryMessageDialog(u"q", [&](bool) { ++calls; });
  EXPECT_EQ(calls, 1);
}

TEST(DialogsWithoutService, ShowNothingAndCallNothing) {
  ASSERT_FALSE(ui::PlatformServices::Current().Get<ui::IMessageDialogService>());
  bool called = false;
  qx::utils::QueryMessageDialog(u"q", [&](bool) { called = true; });
  qx::utils::ShowInfoDialog(u"i");
  qx::utils::ShowErrorDialog(u"e");
  EXPECT_FALSE(called);
}

}  // namespace
