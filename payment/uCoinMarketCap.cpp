#include "payment/uCoinMarketCap.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <nlohmann/json.hpp>

#include "ui/Text.h"

namespace payment {
namespace {

constexpr char16_t kResource[] = u"ticker/{COINCODE}/?convert={CURRENCY}";

std::u16string BaseURL() {
  const char* override = std::getenv(kTestPriceBaseURLVariable);
  return override && *override ? ui::FromUtf8(override) : std::u16string(kCMCBaseURL);
}

std::int64_t LastUpdatedSeconds(const nlohmann::json& data) {
  const auto it = data.find("last_updated");
  if (it == data.end()) return 0;
  if (it->is_number_integer() && !it->is_number_unsigned()) return it->get<std::int64_t>();
  if (it->is_number_unsigned()) {
    const auto v = it->get<std::uint64_t>();
    return v <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) ? static_cast<std::int64_t>(v) : 0;
  }
  if (it->is_number_float()) {
    const double v = it->get<double>();
    constexpr double kLimit = 9.2e18;
    return v > -kLimit && v < kLimit ? static_cast<std::int64_t>(v) : 0;
  }
  return 0;
}

}  // namespace

std::optional<TCoinQuote> ReadTickerReply(const std::string& body, std::u16string_view currency) {
  const nlohmann::json root = nlohmann::json::parse(body, nullptr, false);
  if (root.is_discarded() || !root.is_object()) return std::nullopt;
  const auto data = root.find("data");
  if (data == root.end() || !data->is_object()) return std::nullopt;
  const auto quotes = data->find("quotes");
  if (quotes == data->end() || !quotes->is_object()) return std::nullopt;
  const auto quote = quotes->find(ui::ToUtf8(currency));
  if (quote == quotes->end() || !quote->is_object()) return std::nullopt;
  const auto price = quote->find("price");
  if (price == quote->end() || !price->is_number()) return std::nullopt;
  return TCoinQuote{price->get<double>(), qx::UnixToDateTime(LastUpdatedSeconds(*data))};
}

TCoinMarketCap::TCoinMarketCap(std::u16string iCoinCode)
    : FCoinCode(std::move(iCoinCode)),
      FCMCRequest(std::make_unique<TRESTRequest>()),
      FCMCClient(std::make_unique<TRESTClient>()),
      FCMCResponse(std::make_unique<TRESTResponse>()) {
  FCMCRequest->Client = FCMCClient.get();
  FCMCRequest->Response = FCMCResponse.get();
  FCMCClient->BaseURL = BaseURL();
  FCMCRequest->OnAfterExecute = [this] { CMCRequestAfterExecute(); };
}

TCoinMarketCap::~TCoinMarketCap() {
  FCMCRequest.reset();
  FCMCClient.reset();
  FCMCResponse.reset();
}

void TCoinMarketCap::GetCoinValue(const std::u16string& iToCurrencyCode, TGotConvertedValueProc iProc) {
  if (!iProc) return;
  if (std::find(CMC_CURRENCIES.begin(), CMC_CURRENCIES.end(), iToCurrencyCode) == CMC_CURRENCIES.end()) {
    iProc(false, iToCurrencyCode, 0, 0);
    return;
  }
  FReqCurrency = iToCurrencyCode;
  FReqProc = std::move(iProc);
  FCMCRequest->Resource = kResource;
  FCMCRequest->AddURLSegment(u"COINCODE", FCoinCode);
  FCMCRequest->AddURLSegment(u"CURRENCY", FReqCurrency);
  if (!FCMCRequest->Execute()) ReportFailure();
}

void TCoinMarketCap::GetCoinValueToJPY(TGotConvertedValueProc iProc) { GetCoinValue(u"JPY", std::move(iProc)); }

void TCoinMarketCap::CMCRequestAfterExecute() {
  const auto quote = ReadTickerReply(FCMCResponse->Reply.Content, FReqCurrency);
  if (!quote) {
    ReportFailure();
    return;
  }
  FReqProc(true, FReqCurrency, quote->Price, quote->LastUpdated);
}

void TCoinMarketCap::ReportFailure() { FReqProc(false, FReqCurrency, 0, 0); }

}  // namespace payment
