// The dialog operations over the real Windows message box, answered from
// outside by the dialog robot.
#include <gtest/gtest.h>

#include <vector>

#include "support/Process.Win.h"
#include "support/Robot.Win.h"
#include "ui/Text.h"

namespace {

using testsupport::RobotClick;

constexpr auto kExitTimeout = std::chrono::milliseconds(15000);

std::u16string LogFile(const testsupport::TempDir& dir, std::size_t i) {
  return dir.File(u"log" + ui::FromAscii(std::to_string(i)));
}

struct Case {
  const char16_t* kind;
  RobotClick click;
  std::vector<int> buttons;
  int defaultButton;
  std::u16string log;  // callback answers, then "returned"
};

TEST(DialogsOnWindows, BoxesShowTheirButtonsDefaultsAndDeliverTheAnswerOnceBeforeReturning) {
  const std::u16string message = u"ウォレットに送金情報を設定します\r\nAre you sure?";
  const std::vector<Case> cases = {
      {u"question", RobotClick::Yes, {IDYES, IDNO}, IDYES, u"true\nreturned\n"},
      {u"question", RobotClick::No, {IDYES, IDNO}, IDYES, u"false\nreturned\n"},
      {u"info", RobotClick::Ok, {IDOK}, IDOK, u"returned\n"},
      {u"error", RobotClick::Ok, {IDOK}, IDOK, u"returned\n"},
      {u"okcancel", RobotClick::Ok, {IDOK, IDCANCEL}, IDCANCEL, u"true\nreturned\n"},
  };
  testsupport::TempDir dir;
  // All probes up at once: each process takes a while to end under Wine.
  std::vector<testsupport::Child> probes;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    probes.push_back(testsupport::StartProcess(u"\"" + testsupport::BinPath(u"dialog_probe.exe") + u"\" " +
                                               cases[i].kind + u" \"" + LogFile(dir, i) +
                                               u"\" \"" + message + u"\""));
    ASSERT_TRUE(probes.back().Started());
  }
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "case " << i);
    const auto seen = testsupport::AnswerNextDialog(probes[i].Pid(), cases[i].click);
    EXPECT_TRUE(seen.Clicked()) << seen.exitCode;
    EXPECT_TRUE(seen.text == message);
    EXPECT_EQ(seen.buttons, cases[i].buttons);
    EXPECT_EQ(seen.defaultButton, cases[i].defaultButton);
  }
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "case " << i);
    ASSERT_TRUE(probes[i].WaitExit(kExitTimeout));
    EXPECT_EQ(probes[i].ExitCode(), 0u);
    EXPECT_TRUE(testsupport::ReadUtf8File(LogFile(dir, i)) == cases[i].log);
  }
}

TEST(DialogRobot, ReportsAMissingButtonAndAMissingBox) {
  testsupport::TempDir dir;
  auto probe = testsupport::StartProcess(u"\"" + testsupport::BinPath(u"dialog_probe.exe") + u"\" info \"" +
                                         dir.File(u"log") + u"\" hello");
  ASSERT_TRUE(probe.Started());
  const auto wrong = testsupport::AnswerNextDialog(probe.Pid(), RobotClick::Yes);
  EXPECT_EQ(wrong.exitCode, 3);
  EXPECT_TRUE(wrong.text == u"hello");
  EXPECT_TRUE(testsupport::AnswerNextDialog(probe.Pid(), RobotClick::Ok).Clicked());
  ASSERT_TRUE(probe.WaitExit(kExitTimeout));
  // The process is gone: nothing to answer.
  EXPECT_EQ(testsupport::AnswerNextDialog(probe.Pid(), RobotClick::Ok, std::chrono::milliseconds(200)).exitCode, 2);
}

}  // namespace
