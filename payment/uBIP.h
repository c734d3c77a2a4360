#pragma once
// The payment link format of the korvalcoin scheme: building a link from its
// six fields, reading one into its fields, and the normalised link handed to
// the wallet. Building and reading are deliberately not inverses: the reader
// decodes nothing and cuts at every ":", "?" and "&".
#include <memory>
#include <string>
#include <string_view>

#include "payment/uBIP.Dispatch.h"
#include "payment/uCoinMarketCap.h"
#include "qx/utils/QX.Utils.Form.h"
#include "ui/ForcedQueue.h"

namespace payment {

inline constexpr std::u16string_view kSchemePrefix = u"korvalcoin:";

// The fields of a link as the reader found them. label and message are
// query-encoded; the others are exactly as read.
struct TPaymentFields {
  std::u16string address;
  std::u16string amount;
  std::u16string label;
  std::u16string message;
  std::u16string amountExt;
  std::u16string amountType;
  // False when the text has fewer than two segments, so no address segment.
  bool hasAddress = false;
};

// Percent-encodes the UTF-8 bytes below 0x21 and above 0x7E and the five
// characters " # ' < >; everything else, "%" "&" "=" "?" "+" "/" ":" included,
// is copied. Lone surrogates are encoded as U+FFFD.
std::u16string QueryEncode(std::u16string_view value);

TPaymentFields ReadPaymentLink(std::u16string_view link);

// "korvalcoin:" + address + "?amount=..&label=..&message=..", empty values
// left out.
std::u16string NormalizedPaymentLink(std::u16string_view address, std::u16string_view amount,
                                     std::u16string_view label, std::u16string_view message);

// The link builder, and the dispatcher that takes a clicked link to the
// running wallet (uBIP.Dispatch.cpp).
class TBIPUtils {
 public:
  explicit TBIPUtils(std::shared_ptr<IBIPPlatform> iPlatform);
  ~TBIPUtils();
  TBIPUtils(const TBIPUtils&) = delete;
  TBIPUtils& operator=(const TBIPUtils&) = delete;

  static std::u16string CreateKIP21(std::u16string_view iAddress, std::u16string_view iAmount,
                                    std::u16string_view iLabel, std::u16string_view iMessage,
                                    std::u16string_view iAmountExt, std::u16string_view iAmountType);

  // Queues iProc exactly once when the flow has ended, on every path.
  void SendToAddress(const std::u16string& iBIP21URI, ui::TProc iProc);

 private:
  struct TSendState;
  void GotConvertedValue(const std::shared_ptr<TSendState>& iState, bool iSuccess, const std::u16string& iCode,
                         double iPrice, qx::TDateTime iLastUpdated);
  void QuerySend(const std::u16string& iQuestion, const std::u16string& iAddress, const std::u16string& iAmount,
                 const std::u16string& iLabel, const std::u16string& iMessage, ui::TWindowHandle iWnd,
                 const std::u16string& iPath, ui::TProc iProc);
  static void CallProc(ui::TProc iProc);

  std::shared_ptr<IBIPPlatform> FPlatform;
  std::shared_ptr<qx::utils::TFormUtils> FFormUtils;
  std::unique_ptr<TCoinMarketCap> FCoinMarketCap;
};

}  // namespace payment
