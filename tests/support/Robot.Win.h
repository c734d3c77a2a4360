#pragma once
// Answering the message boxes of a program under test through the dialog
// robot (tools/dialog_robot), the way a person at the screen would.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace testsupport {

enum class RobotClick { Yes, No, Ok };

struct DialogSeen {
  int exitCode = -1;  // the robot's: 0 clicked, 2 no box in time, 3 no such button
  std::u16string text;
  std::vector<int> buttons;  // control ids: IDOK, IDYES, IDNO ...
  int defaultButton = 0;
  bool Clicked() const { return exitCode == 0; }
};

// Waits for the next visible message box of process `pid`, reads it and
// clicks `click`; returns once the box is gone (or the robot gave up).
DialogSeen AnswerNextDialog(DWORD pid, RobotClick click,
                            std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

}  // namespace testsupport
