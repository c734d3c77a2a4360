// Time from process start to the question being shown, for a plain link and
// for a converted link against the stub price server on 127.0.0.1, each as a
// ratio against a minimal program that shows one message box, measured in
// the same run (median of several runs).
//   question_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "support/FakeWallet.Win.h"
#include "support/Bench.h"
#include "support/Process.Win.h"
#include "support/StubPriceServer.Win.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kDefaultRuns = 7;
constexpr auto kPoll = std::chrono::milliseconds(2);
constexpr auto kQuestionTimeout = std::chrono::seconds(30);

// Milliseconds until a visible message box of the started process appears; negative when none did.
double TimeToQuestion(const std::u16string& commandLine, const std::vector<testsupport::EnvVar>& env) {
  const auto start = Clock::now();
  testsupport::Child child = testsupport::StartProcess(commandLine, env);
  if (!child.Started()) return -1;
  while (Clock::now() - start < kQuestionTimeout) {
    for (HWND box : testsupport::WindowsOfProcess(child.Pid(), L"#32770")) {
      if (IsWindowVisible(box)) return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    std::this_thread::sleep_for(kPoll);
  }
  return -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRuns;
  testsupport::TempDir dir;
  testsupport::FakeWallet wallet = testsupport::StartFakeWallet(dir.File(u"wallet.log"));
  testsupport::StubPriceServer price(u"ok", u"2.5", u"1531008000");
  if (!wallet.window || !price.Started()) {
    std::fputs("could not start the stand-in wallet or the stub price server\n", stderr);
    return 1;
  }
  const std::u16string exe = u"\"" + testsupport::BinPath(u"krvl-scheme.exe") + u"\" ";
  const std::u16string minimal = u"\"" + testsupport::BinPath(u"minimal_msgbox.exe") + u"\"";
  const std::vector<testsupport::EnvVar> env = {{u"KRVL_TEST_PRICE_BASE_URL", price.BaseURL()}};

  std::vector<double> baseline, plain, converted;
  for (int i = 0; i < runs; ++i) {
    // Interleaved so a slow moment of the machine falls on all three alike.
    baseline.push_back(TimeToQuestion(minimal, {}));
    plain.push_back(TimeToQuestion(exe + u"\"korvalcoin:ADDR?amount=1.5\"", env));
    converted.push_back(TimeToQuestion(exe + u"\"korvalcoin:ADDR?amountExt=1000&amountType=JPY\"", env));
  }
  const double base = testsupport::Median(baseline);
  std::printf("runs %d, median ms: minimal %.1f, plain %.1f, converted %.1f\n", runs, base, testsupport::Median(plain),
              testsupport::Median(converted));
  std::printf("ratio plain %.2f, converted %.2f\n", testsupport::Median(plain) / base, testsupport::Median(converted) / base);
  return 0;
}
