// The price lookup over WinHTTP against the stub price server on 127.0.0.1.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "payment/uCoinMarketCap.h"
#include "payment/uRESTClient.Win.h"
#include "support/StubPriceServer.Win.h"
#include "ui/PlatformServices.h"
#include "ui/Text.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kDeadline = 2000ms;
constexpr auto kDeadlineMargin = 3000ms;

struct Result {
  int calls = 0;
  bool success = false;
  std::u16string code;
  double price = -1;
  qx::TDateTime lastUpdated = -1;
};

class WinHttpPrice : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::PlatformServices::Current().Remove<payment::IHttpGetService>();
    ui::PlatformServices::Current().Add<payment::IHttpGetService>(payment::CreateWinHttpGetService(kDeadline));
  }
  void TearDown() override {
    ui::PlatformServices::Current().Remove<payment::IHttpGetService>();
    _putenv_s(payment::kTestPriceBaseURLVariable, "");
  }

  Result Lookup(const std::u16string& baseURL, const std::u16string& code) {
    _putenv_s(payment::kTestPriceBaseURLVariable, ui::ToUtf8(baseURL).c_str());
    Result r;
    payment::TCoinMarketCap cmc(u"2931");
    cmc.GetCoinValue(code, [&](bool s, const std::u16string& c, double p, qx::TDateTime t) {
      ++r.calls;
      r.success = s;
      r.code = c;
      r.price = p;
      r.lastUpdated = t;
    });
    return r;
  }
};

TEST_F(WinHttpPrice, OneGetWithTheTickerPathAndTheQuote) {
  testsupport::StubPriceServer server(u"ok", u"2.5", u"1531008000");
  ASSERT_TRUE(server.Started());
  const Result r = Lookup(server.BaseURL(), u"JPY");
  EXPECT_EQ(r.calls, 1);
  EXPECT_TRUE(r.success);
  EXPECT_EQ(r.code, u"JPY");
  EXPECT_EQ(r.price, 2.5);
  EXPECT_DOUBLE_EQ(r.lastUpdated, 25569.0 + 1531008000 / 86400.0);
  EXPECT_EQ(server.Requests(), std::vector<std::string>{"GET /v2/ticker/2931/?convert=JPY HTTP/1.1"});
}

TEST_F(WinHttpPrice, IntegerPriceAndMissingTime) {
  {
    testsupport::StubPriceServer server(u"ok", u"5");
    const Result r = Lookup(server.BaseURL(), u"EUR");
    EXPECT_TRUE(r.success);
    EXPECT_EQ(r.price, 5.0);
  }
  testsupport::StubPriceServer server(u"nolastupdated", u"3.25");
  const Result r = Lookup(server.BaseURL(), u"EUR");
  EXPECT_TRUE(r.success);
  EXPECT_EQ(r.price, 3.25);
  EXPECT_EQ(r.lastUpdated, 25569.0);
}

TEST_F(WinHttpPrice, FailedRepliesGiveFalseCodeZeroZero) {
  for (const std::u16string mode : {u"unknown", u"html", u"empty"}) {
    testsupport::StubPriceServer server(mode);
    ASSERT_TRUE(server.Started());
    const Result r = Lookup(server.BaseURL(), u"JPY");
    EXPECT_EQ(r.calls, 1) << ui::ToUtf8(mode);
    EXPECT_FALSE(r.success) << ui::ToUtf8(mode);
    EXPECT_EQ(r.code, u"JPY");
    EXPECT_EQ(r.price, 0);
    EXPECT_EQ(r.lastUpdated, 0);
    EXPECT_EQ(server.Requests().size(), 1u) << ui::ToUtf8(mode);
  }
}

TEST_F(WinHttpPrice, LowerCaseCodeSendsNothing) {
  testsupport::StubPriceServer server(u"ok");
  const Result r = Lookup(server.BaseURL(), u"jpy");
  EXPECT_EQ(r.calls, 1);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(r.code, u"jpy");
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WinHttpPrice, ASilentServerFailsByTheDeadline) {
  testsupport::StubPriceServer server(u"hang");
  const auto start = std::chrono::steady_clock::now();
  const Result r = Lookup(server.BaseURL(), u"JPY");
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(r.calls, 1);
  EXPECT_FALSE(r.success);
  EXPECT_GE(took, kDeadline - 200ms);
  EXPECT_LT(took, kDeadline + kDeadlineMargin);
}

TEST_F(WinHttpPrice, ARefusedConnectionFailsQuickly) {
  const auto start = std::chrono::steady_clock::now();
  const Result r = Lookup(testsupport::RefusedPriceBaseURL(), u"JPY");
  EXPECT_EQ(r.calls, 1);
  EXPECT_FALSE(r.success);
  EXPECT_LT(std::chrono::steady_clock::now() - start, kDeadline);
}

TEST_F(WinHttpPrice, AReplyOverTheSizeBoundFails) {
  testsupport::StubPriceServer server(u"ok");
  ui::PlatformServices::Current().Remove<payment::IHttpGetService>();
  ui::PlatformServices::Current().Add<payment::IHttpGetService>(payment::CreateWinHttpGetService(kDeadline, 64));
  const Result r = Lookup(server.BaseURL(), u"JPY");
  EXPECT_EQ(r.calls, 1);
  EXPECT_FALSE(r.success);
}

}  // namespace
