#pragma once
// The price of the coin in another currency, from the price service's public
// ticker, delivered through a callback before the lookup returns.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "payment/uRESTClient.h"
#include "qx/utils/QX.Utils.DateTime.h"

namespace payment {

inline constexpr std::array<std::u16string_view, 36> CMC_CURRENCIES = {
    u"AUD", u"BRL", u"CAD", u"CHF", u"CLP", u"CNY", u"CZK", u"DKK", u"EUR", u"GBP", u"HKD", u"HUF",
    u"IDR", u"ILS", u"INR", u"JPY", u"KRW", u"MXN", u"MYR", u"NOK", u"NZD", u"PHP", u"PKR", u"PLN",
    u"RUB", u"SEK", u"SGD", u"THB", u"TRY", u"TWD", u"ZAR", u"BTC", u"BCH", u"ETH", u"LTC", u"XRP"};

inline constexpr std::u16string_view kCMCBaseURL = u"https://api.coinmarketcap.com/v2/";
// For tests only: when set, replaces kCMCBaseURL so tests can point the
// lookup at a stub server on 127.0.0.1. Nothing in the product sets it.
inline constexpr char kTestPriceBaseURLVariable[] = "KRVL_TEST_PRICE_BASE_URL";

struct TCoinQuote {
  double Price = 0;
  qx::TDateTime LastUpdated = 0;
};

// Reads the ticker reply for `currency`; empty when the reply lacks data,
// quotes, the currency or a numeric price. A missing or non-numeric
// last_updated gives the Unix epoch.
std::optional<TCoinQuote> ReadTickerReply(const std::string& body, std::u16string_view currency);

class TCoinMarketCap {
 public:
  using TGotConvertedValueProc =
      std::function<void(bool success, const std::u16string& currencyCode, double price, qx::TDateTime lastUpdated)>;

  explicit TCoinMarketCap(std::u16string iCoinCode);
  ~TCoinMarketCap();
  TCoinMarketCap(const TCoinMarketCap&) = delete;
  TCoinMarketCap& operator=(const TCoinMarketCap&) = delete;

  // Calls iProc exactly once before returning; a missing iProc does nothing.
  void GetCoinValue(const std::u16string& iToCurrencyCode, TGotConvertedValueProc iProc);
  void GetCoinValueToJPY(TGotConvertedValueProc iProc);

 private:
  void CMCRequestAfterExecute();
  void ReportFailure();

  std::u16string FCoinCode;
  std::unique_ptr<TRESTRequest> FCMCRequest;
  std::unique_ptr<TRESTClient> FCMCClient;
  std::unique_ptr<TRESTResponse> FCMCResponse;
  std::u16string FReqCurrency;
  TGotConvertedValueProc FReqProc;
};

}  // namespace payment
