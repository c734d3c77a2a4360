// The stand-in wallet is what the end-to-end tests of the hand-off rely on:
// its caption, its log of command lines and its single-instance exit.
#include <gtest/gtest.h>

#include "support/FakeWallet.Win.h"
#include "ui/WinText.Win.h"

namespace {

using namespace std::chrono_literals;
using testsupport::kWalletCaption;

TEST(FakeWallet, LogsEveryStartAndHandsOffToTheRunningCopy) {
  testsupport::TempDir dir;
  const std::u16string log = dir.File(u"wallet.log");
  auto primary = testsupport::StartFakeWallet(log, {}, u"-first");
  ASSERT_NE(primary.window, nullptr);
  EXPECT_EQ(testsupport::WindowText(primary.window), kWalletCaption);

  const std::u16string link = u"korvalcoin:K1?label=\u65e5\u672c&message=a%20b";
  const std::u16string secondLine = u"\"" + testsupport::BinPath(u"fake_wallet.exe") + u"\" \"" + link + u"\" x\\\"y";
  auto secondary = testsupport::StartProcess(secondLine, {{u"KRVL_FAKE_WALLET_LOG", log}});
  ASSERT_TRUE(secondary.WaitExit(10s));
  EXPECT_EQ(secondary.ExitCode(), 0u);
  EXPECT_EQ(testsupport::WindowsOfProcess(secondary.Pid(), L"KrvlFakeWallet").size(), 0u);

  const auto entries = testsupport::ReadWalletLog(log);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_FALSE(entries[0].secondary);
  EXPECT_EQ(entries[0].pid, primary.process.Pid());
  EXPECT_EQ(entries[0].args.back(), u"-first");
  EXPECT_TRUE(entries[1].secondary);
  EXPECT_EQ(entries[1].pid, secondary.Pid());
  EXPECT_EQ(entries[1].commandLine, secondLine);
  ASSERT_EQ(entries[1].args.size(), 3u);
  EXPECT_EQ(entries[1].args[1], link);
  EXPECT_EQ(entries[1].args[2], u"x\"y");
}

TEST(FakeWallet, CaptionCanBeChangedForTests) {
  testsupport::TempDir dir;
  const std::u16string caption = u"KORVALCOIN CORE KRVL WALLET";
  auto wallet = testsupport::StartFakeWallet(dir.File(u"wallet.log"), caption);
  ASSERT_NE(wallet.window, nullptr);
  EXPECT_EQ(testsupport::WindowText(wallet.window), caption);
}

}  // namespace
