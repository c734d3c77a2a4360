#include "payment/uCoinMarketCap.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/PlatformServices.h"

namespace {

using payment::THttpReply;

class FakeHttp final : public payment::IHttpGetService {
 public:
  THttpReply reply;
  std::vector<std::u16string> urls;
  THttpReply Get(const std::u16string& url) override {
    urls.push_back(url);
    return reply;
  }
};

struct Result {
  bool success;
  std::u16string code;
  double price;
  qx::TDateTime lastUpdated;
};

class CoinMarketCap : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::PlatformServices::Current().Remove<payment::IHttpGetService>();
    ui::PlatformServices::Current().Add<payment::IHttpGetService>(http);
  }
  void TearDown() override { ui::PlatformServices::Current().Remove<payment::IHttpGetService>(); }

  std::vector<Result> Lookup(const std::u16string& code) {
    std::vector<Result> results;
    payment::TCoinMarketCap cmc(u"2931");
    cmc.GetCoinValue(code, [&](bool s, const std::u16string& c, double p, qx::TDateTime t) {
      results.push_back({s, c, p, t});
    });
    return results;
  }

  std::shared_ptr<FakeHttp> http = std::make_shared<FakeHttp>();
};

TEST_F(CoinMarketCap, OneGetOfTheTickerAndTheQuoteOfTheCode) {
  http->reply = {true, 200, R"({"data":{"id":2931,"quotes":{"JPY":{"price":2.5}},"last_updated":1531008000}})"};
  const auto results = Lookup(u"JPY");
  ASSERT_EQ(http->urls.size(), 1u);
  EXPECT_EQ(http->urls[0], u"https://api.coinmarketcap.com/v2/ticker/2931/?convert=JPY");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_TRUE(results[0].success);
  EXPECT_EQ(results[0].code, u"JPY");
  EXPECT_EQ(results[0].price, 2.5);
  EXPECT_DOUBLE_EQ(results[0].lastUpdated, 25569.0 + 1531008000 / 86400.0);
}

TEST_F(CoinMarketCap, CodesOutsideTheListFailWithoutARequest) {
  for (const std::u16string code : {u"jpy", u"USD", u"", u"JPY "}) {
    const auto results = Lookup(code);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].success);
    EXPECT_EQ(results[0].code, code);
    EXPECT_EQ(results[0].price, 0);
    EXPECT_EQ(results[0].lastUpdated, 0);
  }
  EXPECT_TRUE(http->urls.empty());
}

TEST_F(CoinMarketCap, EveryCodeOfTheListIsAccepted) {
  EXPECT_EQ(payment::CMC_CURRENCIES.front(), u"AUD");
  EXPECT_EQ(payment::CMC_CURRENCIES[15], u"JPY");
  EXPECT_EQ(payment::CMC_CURRENCIES.back(), u"XRP");
  http->reply = {true, 200, "{}"};
  for (auto code : payment::CMC_CURRENCIES) Lookup(std::u16string(code));
  EXPECT_EQ(http->urls.size(), payment::CMC_CURRENCIES.size());
}

TEST_F(CoinMarketCap, NoCallbackMeansNoRequest) {
  payment::TCoinMarketCap cmc(u"2931");
  cmc.GetCoinValue(u"JPY", nullptr);
  EXPECT_TRUE(http->urls.empty());
}

TEST_F(CoinMarketCap, ToJPYIsTheLookupOfJPY) {
  http->reply = {true, 200, R"({"data":{"quotes":{"JPY":{"price":3}}}})"};
  std::vector<Result> results;
  payment::TCoinMarketCap cmc(u"2931");
  cmc.GetCoinValueToJPY([&](bool s, const std::u16string& c, double p, qx::TDateTime t) {
    results.push_back({s, c, p, t});
  });
  ASSERT_EQ(http->urls.size(), 1u);
  EXPECT_EQ(http->urls[0], u"https://api.coinmarketcap.com/v2/ticker/2931/?convert=JPY");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_TRUE(results[0].success);
  EXPECT_EQ(results[0].code, u"JPY");
}

TEST_F(CoinMarketCap, ARepeatedLookupReplacesTheCurrencyInTheURL) {
  http->reply = {true, 200, "{}"};
  payment::TCoinMarketCap cmc(u"2931");
  const auto ignore = [](bool, const std::u16string&, double, qx::TDateTime) {};
  cmc.GetCoinValue(u"JPY", ignore);
  cmc.GetCoinValue(u"EUR", ignore);
  ASSERT_EQ(http->urls.size(), 2u);
  EXPECT_EQ(http->urls[1], u"https://api.coinmarketcap.com/v2/ticker/2931/?convert=EUR");
}

TEST_F(CoinMarketCap, RepliesThatFailAndRepliesThatSucceed) {
  struct Case {
    const char* name;
    THttpReply reply;
    bool success;
    double price;
    qx::TDateTime lastUpdated;
  } cases[] = {
      {"not completed", {false, 0, ""}, false, 0, 0},
      {"empty body", {true, 200, ""}, false, 0, 0},
      {"html", {true, 502, "<html><body>Bad gateway</body></html>"}, false, 0, 0},
      {"truncated json", {true, 200, R"({"data":{"quotes":{"JPY":{"price":2)"}, false, 0, 0},
      {"top-level array", {true, 200, "[1,2]"}, false, 0, 0},
      {"no data", {true, 200, R"({"quotes":{"JPY":{"price":2}}})"}, false, 0, 0},
      {"data not an object", {true, 200, R"({"data":[]})"}, false, 0, 0},
      {"no quotes", {true, 200, R"({"data":{"last_updated":1}})"}, false, 0, 0},
      {"other currency only", {true, 200, R"({"data":{"quotes":{"USD":{"price":2}}}})"}, false, 0, 0},
      {"code in other case", {true, 200, R"({"data":{"quotes":{"jpy":{"price":2}}}})"}, false, 0, 0},
      {"no price", {true, 200, R"({"data":{"quotes":{"JPY":{"volume":2}}}})"}, false, 0, 0},
      {"price as text", {true, 200, R"({"data":{"quotes":{"JPY":{"price":"2.5"}}}})"}, false, 0, 0},
      {"price null", {true, 200, R"({"data":{"quotes":{"JPY":{"price":null}}}})"}, false, 0, 0},
      {"integer price", {true, 200, R"({"data":{"quotes":{"JPY":{"price":5}},"last_updated":0}})"}, true, 5.0,
       25569},
      {"no last_updated", {true, 200, R"({"data":{"quotes":{"JPY":{"price":2.5}}}})"}, true, 2.5, 25569},
      {"last_updated as text",
       {true, 200, R"({"data":{"quotes":{"JPY":{"price":2.5}},"last_updated":"1531008000"}})"}, true, 2.5, 25569},
      {"error status with a readable reply", {true, 500, R"({"data":{"quotes":{"JPY":{"price":1.25}}}})"}, true,
       1.25, 25569},
      {"one day after the epoch", {true, 200, R"({"data":{"quotes":{"JPY":{"price":1}},"last_updated":86400}})"},
       true, 1, 25570},
  };
  for (const auto& c : cases) {
    http->reply = c.reply;
    const auto results = Lookup(u"JPY");
    ASSERT_EQ(results.size(), 1u) << c.name;
    EXPECT_EQ(results[0].success, c.success) << c.name;
    EXPECT_EQ(results[0].code, u"JPY") << c.name;
    EXPECT_EQ(results[0].price, c.price) << c.name;
    EXPECT_DOUBLE_EQ(results[0].lastUpdated, c.lastUpdated) << c.name;
  }
}

TEST_F(CoinMarketCap, NoTransportIsAFailedLookup) {
  ui::PlatformServices::Current().Remove<payment::IHttpGetService>();
  const auto results = Lookup(u"EUR");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_FALSE(results[0].success);
  EXPECT_EQ(results[0].code, u"EUR");
}

}  // namespace
