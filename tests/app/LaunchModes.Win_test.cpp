// The three launch modes of the real program, decided by its first argument.
// Independent processes start together and are awaited together.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <vector>

#include "support/Process.Win.h"
#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinWindowHandle.Win.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kTimeout = 40s;

std::u16string Exe() { return u"\"" + testsupport::BinPath(u"krvl-scheme.exe") + u"\""; }

bool HasVisibleForm(DWORD pid) {
  for (HWND w : testsupport::WindowsOfProcess(pid, ui::kFormWindowClass)) {
    if (IsWindowVisible(w)) return true;
  }
  return false;
}

// Closes the visible windows of the processes until every one has ended.
bool CloseAllAndWait(const std::vector<std::pair<DWORD, HANDLE>>& processes) {
  return testsupport::WaitUntil(
      [&] {
        bool allEnded = true;
        for (const auto& [pid, process] : processes) {
          if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) continue;
          allEnded = false;
          testsupport::DismissMessageBoxes(pid);
          for (HWND w : testsupport::WindowsOfProcess(pid, ui::kFormWindowClass)) {
            if (IsWindowVisible(w) && IsWindowEnabled(w)) PostMessageW(w, WM_CLOSE, 0, 0);
          }
        }
        return allEnded;
      },
      kTimeout);
}

std::set<HWND> VisibleForms() {
  std::set<HWND> forms;
  for (HWND w = FindWindowExW(nullptr, nullptr, ui::kFormWindowClass, nullptr); w;
       w = FindWindowExW(nullptr, w, ui::kFormWindowClass, nullptr)) {
    if (IsWindowVisible(w)) forms.insert(w);
  }
  return forms;
}

struct Launch {
  const char* what;
  std::u16string args;
};

TEST(LaunchModes, EachCommandLineEndsInItsMode) {
  const std::u16string loneSurrogate(1, char16_t(0xD800));
  const Launch relaunch[] = {{"no argument", u""}, {"empty quotes", u" \"\""}};
  const Launch gui[] = {
      {"dummy", u" dummy"},          {"DUMMY", u" DUMMY"},   {"-dummy", u" -dummy"},
      {"--dummy", u" --dummy"},      {"/Dummy", u" /Dummy"}, {"-/-dummy", u" -/-dummy"},
      {"empty quotes, dummy", u" \"\" dummy"},
      {"link after dummy", u" dummy \"korvalcoin:ADDR?amount=1\""},
      {"unpaired quote", u" \"dummy"},
  };
  const Launch hidden[] = {
      {"dummy2", u" dummy2"},
      {"x-dummy", u" x-dummy"},
      {"dummy and a space", u" \"dummy \""},
      {"payment link", u" \"korvalcoin:ADDR?amount=1&label=Tea shop\""},
      {"32K characters", u" korvalcoin:" + std::u16string(32000, u'x')},
      {"non-BMP", u" \"korvalcoin:\U0001F600?label=\U0001F600\""},
      {"lone surrogates", u" korvalcoin:" + loneSurrogate + u"?label=" + std::u16string(1, char16_t(0xDC00))},
      {"quotes and separators", u" \"\"\"a\"b\x01\"c"},
  };
  const std::set<HWND> formsBefore = VisibleForms();

  std::vector<testsupport::Child> relaunchers, guis, hiddens;
  for (const auto& l : relaunch) relaunchers.push_back(testsupport::StartProcess(Exe() + l.args));
  for (const auto& l : gui) guis.push_back(testsupport::StartProcess(Exe() + l.args));
  for (const auto& l : hidden) hiddens.push_back(testsupport::StartProcess(Exe() + l.args));
  for (const auto* group : {&relaunchers, &guis, &hiddens}) {
    for (const auto& c : *group) ASSERT_TRUE(c.Started());
  }

  // Relaunch and URI mode: the main window never shows and the process ends.
  std::vector<std::pair<const char*, const testsupport::Child*>> silent;
  for (std::size_t i = 0; i < relaunchers.size(); ++i) silent.emplace_back(relaunch[i].what, &relaunchers[i]);
  for (std::size_t i = 0; i < hiddens.size(); ++i) silent.emplace_back(hidden[i].what, &hiddens[i]);
  std::set<const char*> shown;
  testsupport::WaitUntil(
      [&] {
        bool allEnded = true;
        for (const auto& [what, child] : silent) {
          if (child->WaitExit(0ms)) continue;
          allEnded = false;
          if (HasVisibleForm(child->Pid())) shown.insert(what);
          // A link reaches the dispatcher, which may report the missing wallet.
          testsupport::DismissMessageBoxes(child->Pid());
        }
        return allEnded;
      },
      kTimeout);
  for (const auto& [what, child] : silent) {
    EXPECT_FALSE(shown.contains(what)) << what;
    EXPECT_TRUE(child->WaitExit(0ms)) << what;
    EXPECT_EQ(child->ExitCode(), 0u) << what;
  }

  // GUI mode: the window shows; it ends cleanly when closed.
  for (std::size_t i = 0; i < guis.size(); ++i) {
    EXPECT_NE(testsupport::WaitForVisibleWindow(guis[i].Pid(), ui::kFormWindowClass, kTimeout), nullptr) << gui[i].what;
  }
  std::set<DWORD> ours;
  for (const auto* group : {&relaunchers, &guis, &hiddens}) {
    for (const auto& c : *group) ours.insert(c.Pid());
  }

  // Each relaunch started one elevated copy in GUI mode.
  std::vector<std::pair<DWORD, ui::UniqueHandle>> copies;
  testsupport::WaitUntil(
      [&] {
        for (HWND w : VisibleForms()) {
          DWORD pid = 0;
          GetWindowThreadProcessId(w, &pid);
          if (formsBefore.contains(w) || ours.contains(pid)) continue;
          if (std::none_of(copies.begin(), copies.end(), [&](const auto& c) { return c.first == pid; })) {
            copies.emplace_back(pid, ui::UniqueHandle(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION |
                                                                      PROCESS_TERMINATE,
                                                                  FALSE, pid)));
          }
        }
        return copies.size() >= std::size(relaunch);
      },
      kTimeout);
  EXPECT_EQ(copies.size(), std::size(relaunch));

  std::vector<std::pair<DWORD, HANDLE>> toClose;
  for (const auto& g : guis) toClose.emplace_back(g.Pid(), g.Handle());
  for (const auto& [pid, process] : copies) toClose.emplace_back(pid, process.get());
  EXPECT_TRUE(CloseAllAndWait(toClose));
  for (std::size_t i = 0; i < guis.size(); ++i) EXPECT_EQ(guis[i].ExitCode(), 0u) << gui[i].what;
  for (auto& [pid, process] : copies) {
    if (WaitForSingleObject(process.get(), 0) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
  }
}

}  // namespace
