#include "support/Robot.Win.h"

#include <string_view>

#include "support/Process.Win.h"
#include "ui/Text.h"

namespace testsupport {
namespace {

// Beyond the robot's own timeout: it waits once for the box, once for its end.
constexpr auto kRobotSlack = std::chrono::milliseconds(5000);

const char16_t* ClickName(RobotClick click) {
  switch (click) {
    case RobotClick::Yes: return u"yes";
    case RobotClick::No: return u"no";
    case RobotClick::Ok: return u"ok";
  }
  return u"";
}

std::u16string ToText(long long n) { return ui::FromAscii(std::to_string(n)); }

int ToInt(std::u16string_view text) { return std::stoi(ui::ToUtf8(text)); }

// "buttons=1,2\ndefault=1\ntext=..." where the text runs to the end.
void Parse(const std::u16string& report, DialogSeen& seen) {
  constexpr std::u16string_view kButtons = u"buttons=", kDefault = u"\ndefault=", kText = u"\ntext=";
  const auto d = report.find(kDefault), t = report.find(kText);
  if (!report.starts_with(kButtons) || d == std::u16string::npos || t == std::u16string::npos) return;
  std::u16string_view ids(report.data() + kButtons.size(), d - kButtons.size());
  while (!ids.empty()) {
    const auto comma = ids.find(u',');
    seen.buttons.push_back(ToInt(ids.substr(0, comma)));
    ids = comma == std::u16string_view::npos ? std::u16string_view() : ids.substr(comma + 1);
  }
  seen.defaultButton = ToInt(std::u16string_view(report).substr(d + kDefault.size(), t - d - kDefault.size()));
  seen.text = report.substr(t + kText.size());
}

}  // namespace

DialogSeen AnswerNextDialog(DWORD pid, RobotClick click, std::chrono::milliseconds timeout) {
  TempDir dir;
  const std::u16string out = dir.File(u"dialog.txt");
  Child robot = StartProcess(u"\"" + BinPath(u"dialog_robot.exe") + u"\" --pid " + ToText(pid) + u" --click " +
                             ClickName(click) + u" --timeout-ms " + ToText(timeout.count()) + u" --out \"" + out +
                             u"\"");
  DialogSeen seen;
  if (!robot.Started() || !robot.WaitExit(2 * timeout + kRobotSlack)) return seen;
  seen.exitCode = static_cast<int>(robot.ExitCode());
  Parse(ReadUtf8File(out), seen);
  return seen;
}

}  // namespace testsupport
