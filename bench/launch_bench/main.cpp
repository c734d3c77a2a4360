// Launch timing of the tool against a minimal one-window program, measured in
// the same run (median of several runs): start to the main window being
// visible in GUI mode, and start to process end in URI mode. Also prints the
// executable's size and the GUI-mode process's peak working set.
//   launch_bench.exe [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "support/Bench.h"
#include "support/Process.Win.h"
#include "ui/WinText.Win.h"
#include "ui/WinWindowHandle.Win.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kDefaultRuns = 7;
constexpr auto kPoll = std::chrono::milliseconds(2);
constexpr auto kTimeout = std::chrono::seconds(30);
constexpr double kBytesPerMiB = 1024.0 * 1024.0;

double MsSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

void CloseAndWait(const testsupport::Child& child) {
  testsupport::WaitUntil(
      [&] {
        if (child.WaitExit(std::chrono::milliseconds(0))) return true;
        testsupport::DismissMessageBoxes(child.Pid());
        for (HWND w : testsupport::WindowsOfProcess(child.Pid())) {
          if (IsWindowVisible(w) && IsWindowEnabled(w)) PostMessageW(w, WM_CLOSE, 0, 0);
        }
        return false;
      },
      kTimeout);
}

struct Shown {
  double ms = -1;
  SIZE_T peakWorkingSet = 0;
};

Shown TimeToWindow(const std::u16string& commandLine, const wchar_t* windowClass) {
  Shown result;
  const auto start = Clock::now();
  testsupport::Child child = testsupport::StartProcess(commandLine);
  if (!child.Started()) return result;
  while (Clock::now() - start < kTimeout && result.ms < 0) {
    for (HWND w : testsupport::WindowsOfProcess(child.Pid(), windowClass)) {
      if (IsWindowVisible(w)) result.ms = MsSince(start);
    }
    if (result.ms < 0) std::this_thread::sleep_for(kPoll);
  }
  PROCESS_MEMORY_COUNTERS counters{};
  if (GetProcessMemoryInfo(child.Handle(), &counters, sizeof(counters))) result.peakWorkingSet = counters.PeakWorkingSetSize;
  CloseAndWait(child);
  return result;
}

double TimeToEnd(const std::u16string& commandLine) {
  const auto start = Clock::now();
  testsupport::Child child = testsupport::StartProcess(commandLine);
  if (!child.Started()) return -1;
  while (Clock::now() - start < kTimeout) {
    if (child.WaitExit(std::chrono::milliseconds(0))) return MsSince(start);
    testsupport::DismissMessageBoxes(child.Pid());
    std::this_thread::sleep_for(kPoll);
  }
  return -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRuns;
  const std::u16string exePath = testsupport::BinPath(u"krvl-scheme.exe");
  const std::u16string exe = u"\"" + exePath + u"\"";
  const std::u16string minimal = u"\"" + testsupport::BinPath(u"minimal_window.exe") + u"\"";

  std::vector<double> baseShow, guiShow, baseEnd, uriEnd;
  SIZE_T peak = 0;
  for (int i = 0; i < runs; ++i) {
    // Interleaved so a slow moment of the machine falls on both alike.
    baseShow.push_back(TimeToWindow(minimal, L"KrvlBenchMinimal").ms);
    const Shown gui = TimeToWindow(exe + u" dummy", ui::kFormWindowClass);
    guiShow.push_back(gui.ms);
    peak = std::max(peak, gui.peakWorkingSet);
    baseEnd.push_back(TimeToEnd(minimal + u" hidden"));
    uriEnd.push_back(TimeToEnd(exe + u" \"korvalcoin:ADDR?amount=1.5\""));
  }

  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  GetFileAttributesExW(ui::W(exePath), GetFileExInfoStandard, &attributes);
  std::printf("runs %d, median ms: window shown minimal %.1f, GUI mode %.1f; process end minimal %.1f, URI mode %.1f\n",
              runs, testsupport::Median(baseShow), testsupport::Median(guiShow), testsupport::Median(baseEnd), testsupport::Median(uriEnd));
  std::printf("ratio GUI mode %.2f, URI mode %.2f\n", testsupport::Median(guiShow) / testsupport::Median(baseShow), testsupport::Median(uriEnd) / testsupport::Median(baseEnd));
  std::printf("exe %.2f MiB, peak working set in GUI mode %.1f MiB\n", attributes.nFileSizeLow / kBytesPerMiB,
              static_cast<double>(peak) / kBytesPerMiB);
  return 0;
}
