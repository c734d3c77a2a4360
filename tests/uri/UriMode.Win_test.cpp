// A clicked payment link, end to end: the real program in URI mode, the
// stand-in wallet, the dialog robot answering the question, and the stub
// price server. Programs that share one wallet run side by side.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "support/FakeWallet.Win.h"
#include "support/Process.Win.h"
#include "support/Robot.Win.h"
#include "support/StubPriceServer.Win.h"
#include "ui/Text.h"

namespace {

using namespace std::chrono_literals;
using testsupport::RobotClick;

constexpr auto kExitTimeout = 20s;
// The lookup gives up after 5 s; Wine on a busy machine gets a wide margin.
constexpr auto kQuestionTimeout = 20s;
const std::u16string kNotRunningEn = u"Wallet not running.";
const std::u16string kNotRunningJa = u"\u30A6\u30A9\u30EC\u30C3\u30C8\u304C\u8D77\u52D5\u3057\u3066\u3044\u307E\u305B\u3093";

std::string Show(const std::u16string& text) { return ui::ToUtf8(text); }

struct UriRun {
  std::u16string link;
  RobotClick click = RobotClick::Yes;
  std::u16string priceBaseURL;  // empty: the product's own address
  testsupport::Child child;
  testsupport::DialogSeen seen;
};

void Start(UriRun& run, const std::u16string& walletLog) {
  run.child = testsupport::StartProcess(
      u"\"" + testsupport::BinPath(u"krvl-scheme.exe") + u"\" \"" + run.link + u"\"",
      {{u"KRVL_FAKE_WALLET_LOG", walletLog}, {u"KRVL_TEST_PRICE_BASE_URL", run.priceBaseURL}});
}

// Starts every run at once, answers each question in turn and waits for every program to end.
void RunAll(std::vector<UriRun>& runs, const std::u16string& walletLog) {
  for (UriRun& run : runs) Start(run, walletLog);
  for (UriRun& run : runs) {
    ASSERT_TRUE(run.child.Started());
    run.seen = testsupport::AnswerNextDialog(run.child.Pid(), run.click, kQuestionTimeout);
  }
  for (UriRun& run : runs) EXPECT_TRUE(run.child.WaitExit(kExitTimeout)) << Show(run.link);
}

// The normalised link shown under the question, after its empty line.
std::u16string ShownLink(const std::u16string& question) {
  const auto at = question.rfind(u"\r\n\r\n");
  return at == std::u16string::npos ? std::u16string() : question.substr(at + 4);
}

std::optional<testsupport::WalletLogEntry> HandOffOf(const std::vector<testsupport::WalletLogEntry>& log,
                                                     const std::u16string& link) {
  for (const auto& e : log) {
    if (e.secondary && e.args.size() >= 2 && e.args[1] == link) return e;
  }
  return std::nullopt;
}

TEST(UriMode, NoWalletWindowIsReportedAndTheProgramEnds) {
  testsupport::TempDir dir;
  // A wallet titled without the trailing space is not the wallet.
  testsupport::FakeWallet wrong =
      testsupport::StartFakeWallet(dir.File(u"wallet.log"), u"KORVALCOIN CORE KRVL WALLET");
  ASSERT_NE(wrong.window, nullptr);
  std::vector<UriRun> runs(1);
  runs[0].link = u"korvalcoin:ADDR?amount=1.5";
  runs[0].click = RobotClick::Ok;
  RunAll(runs, dir.File(u"wallet.log"));
  EXPECT_TRUE(runs[0].seen.Clicked());
  EXPECT_TRUE(runs[0].seen.text == kNotRunningEn || runs[0].seen.text == kNotRunningJa) << Show(runs[0].seen.text);
  EXPECT_EQ(testsupport::ReadWalletLog(dir.File(u"wallet.log")).size(), 1u);  // only the wallet's own start
}

TEST(UriMode, ConfirmedLinksReachTheWalletAsOneArgument) {
  testsupport::TempDir dir;
  const std::u16string log = dir.File(u"wallet.log");
  testsupport::FakeWallet wallet = testsupport::StartFakeWallet(log);
  ASSERT_NE(wallet.window, nullptr);

  testsupport::StubPriceServer price(u"ok", u"2.5", u"1531008000");
  testsupport::StubPriceServer unknown(u"unknown");
  testsupport::StubPriceServer html(u"html");
  testsupport::StubPriceServer empty(u"empty");
  testsupport::StubPriceServer silent(u"hang");
  ASSERT_TRUE(price.Started() && unknown.Started() && html.Started() && empty.Started() && silent.Started());
  const std::u16string refused = testsupport::RefusedPriceBaseURL();

  struct Case {
    std::u16string link;
    std::u16string baseURL;
    RobotClick click;
    std::u16string handedOn;  // empty: nothing reaches the wallet
  } cases[] = {
      {u"korvalcoin:ADDR?amount=1.5", u"", RobotClick::Yes, u"korvalcoin:ADDR?amount=1.5"},
      {u"korvalcoin:NOADDR?amount=2", u"", RobotClick::No, u""},
      {u"korvalcoin:CONV?amountExt=1000&amountType=JPY&message=Hi", price.BaseURL(), RobotClick::Yes,
       u"korvalcoin:CONV?amount=400.00000000&message=Hi"},
      // Failed lookups: the plain question, and never the yen figure as KRVL.
      {u"korvalcoin:REFUSED?amountExt=1000&amountType=JPY", refused, RobotClick::Yes, u"korvalcoin:REFUSED"},
      {u"korvalcoin:UNKNOWN?amount=3&amountExt=1000&amountType=JPY", unknown.BaseURL(), RobotClick::Yes,
       u"korvalcoin:UNKNOWN?amount=3"},
      {u"korvalcoin:LOWER?amountExt=1000&amountType=jpy", price.BaseURL(), RobotClick::Yes, u"korvalcoin:LOWER"},
      {u"korvalcoin:HTML?amountExt=1000&amountType=JPY", html.BaseURL(), RobotClick::Yes, u"korvalcoin:HTML"},
      {u"korvalcoin:EMPTY?amountExt=1000&amountType=JPY", empty.BaseURL(), RobotClick::Yes, u"korvalcoin:EMPTY"},
      {u"korvalcoin:SILENT?amountExt=1000&amountType=JPY", silent.BaseURL(), RobotClick::Yes, u"korvalcoin:SILENT"},
      // Hostile links: whatever they hold, one argument.
      {u"korvalcoin:BS\\?amount=1\\", u"", RobotClick::Yes, u""},
      {u"korvalcoin:SP?amount=1&label=a b\tc", u"", RobotClick::Yes, u""},
      {u"korvalcoin:PCT?amount=%1&message=%2 %*", u"", RobotClick::Yes, u""},
      {u"korvalcoin:Q\\\\?label=x\\\\\\\\", u"", RobotClick::Yes, u""},
      {u"korvalcoin:LONG?message=" + std::u16string(3000, u'm') + u"\\\\", u"", RobotClick::Yes, u""},
  };
  std::vector<UriRun> runs(std::size(cases));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    runs[i].link = cases[i].link;
    runs[i].priceBaseURL = cases[i].baseURL;
    runs[i].click = cases[i].click;
  }
  RunAll(runs, log);
  const auto entries = testsupport::ReadWalletLog(log);

  for (std::size_t i = 0; i < runs.size(); ++i) {
    const Case& c = cases[i];
    const UriRun& run = runs[i];
    ASSERT_TRUE(run.seen.Clicked()) << Show(c.link);
    const std::u16string shown = ShownLink(run.seen.text);
    if (!c.handedOn.empty()) EXPECT_EQ(shown, c.handedOn) << Show(run.seen.text);
    const auto handOff = HandOffOf(entries, shown);
    if (c.click == RobotClick::No) {
      EXPECT_FALSE(handOff) << Show(c.link);
      continue;
    }
    ASSERT_TRUE(handOff) << Show(c.link) << " shown as " << Show(shown);
    EXPECT_EQ(handOff->args.size(), 2u) << Show(handOff->commandLine);
    EXPECT_EQ(handOff->args[0], testsupport::BinPath(u"fake_wallet.exe"));
  }
  // The converted question shows the server's price and time; the plain one does not.
  const std::u16string& converted = runs[2].seen.text;
  EXPECT_NE(converted.find(u"400.00000000"), std::u16string::npos) << Show(converted);
  EXPECT_NE(converted.find(u"1000[JPY]"), std::u16string::npos) << Show(converted);
  EXPECT_NE(converted.find(u"2.5000000000[JPY]"), std::u16string::npos) << Show(converted);
  EXPECT_NE(converted.find(u"2018/07/08 00:00"), std::u16string::npos) << Show(converted);
  for (std::size_t i = 3; i <= 8; ++i) EXPECT_EQ(runs[i].seen.text.find(u"[JPY]"), std::u16string::npos);
  // The conversion and the lower-case code share a server: one GET, from the conversion.
  EXPECT_EQ(price.Requests(), std::vector<std::string>{"GET /v2/ticker/2931/?convert=JPY HTTP/1.1"});
  EXPECT_EQ(silent.Requests().size(), 1u);
}

}  // namespace
