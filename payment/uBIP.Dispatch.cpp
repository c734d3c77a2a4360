#include <cmath>

#include "payment/uBIP.h"
#include "qx/cli/QX.CLI.Quote.h"
#include "qx/utils/QX.Utils.DateTime.h"
#include "qx/utils/QX.Utils.Dialogs.h"

namespace payment {
namespace {

constexpr std::size_t kMaxPrecisionDigits = 2;

}  // namespace

// The working values of one SendToAddress call, kept alive by the callbacks.
struct TBIPUtils::TSendState {
  ui::TWindowHandle Wnd = 0;
  std::u16string Path;
  std::u16string Address;
  std::u16string Amount;
  std::u16string From;
  std::u16string Msg;
  std::u16string AmountExt;
  double AmountExtNum = -1;
  std::u16string AmountType;
  ui::TProc Proc;
};

std::u16string FormatMessageText(std::u16string_view iFormat, const std::vector<TMessageArg>& iArgs,
                                 const qx::TFormatSettings& iSettings) {
  std::u16string out;
  std::size_t next = 0;
  std::size_t i = 0;
  while (i < iFormat.size()) {
    if (iFormat[i] != u'%') {
      out += iFormat[i++];
      continue;
    }
    if (iFormat.substr(i, 2) == u"%%") {
      out += u'%';
      i += 2;
      continue;
    }
    if (iFormat.substr(i, 2) == u"%s" && next < iArgs.size() && !iArgs[next].isNumber) {
      out += iArgs[next++].text;
      i += 2;
      continue;
    }
    // "%.Nf" with one or two digits N.
    if (iFormat.substr(i, 2) == u"%." && next < iArgs.size() && iArgs[next].isNumber) {
      std::size_t j = i + 2;
      int decimals = 0;
      while (j < iFormat.size() && j < i + 2 + kMaxPrecisionDigits && iFormat[j] >= u'0' && iFormat[j] <= u'9') {
        decimals = decimals * 10 + (iFormat[j++] - u'0');
      }
      if (j > i + 2 && j < iFormat.size() && iFormat[j] == u'f') {
        out += qx::FloatToFixedText(iArgs[next++].number, decimals, iSettings);
        i = j + 1;
        continue;
      }
    }
    out += iFormat[i++];
  }
  return out;
}

TBIPUtils::TBIPUtils(std::shared_ptr<IBIPPlatform> iPlatform)
    : FPlatform(std::move(iPlatform)), FFormUtils(std::make_shared<qx::utils::TFormUtils>()) {}

TBIPUtils::~TBIPUtils() {
  FFormUtils.reset();
  FCoinMarketCap.reset();
}

void TBIPUtils::SendToAddress(const std::u16string& iBIP21URI, ui::TProc iProc) {
  auto state = std::make_shared<TSendState>();
  state->Proc = std::move(iProc);
  state->Wnd = FFormUtils->FindWindow(kWalletCaption);
  if (state->Wnd == 0) {
    qx::utils::ShowErrorDialog(FPlatform->GetMessageText(TBIPMessage::WalletNotRunning));
    CallProc(state->Proc);
    return;
  }
  state->Path = FPlatform->GetProcessPath(state->Wnd);
  if (state->Path.empty()) {
    qx::utils::ShowErrorDialog(FPlatform->GetMessageText(TBIPMessage::WalletExeNotFound));
    CallProc(state->Proc);
    return;
  }
  const TPaymentFields fields = ReadPaymentLink(iBIP21URI);
  // Text without a single separator names no address: there is no payment to
  // offer, so nothing is asked or handed on and the flow just ends.
  if (!fields.hasAddress) {
    CallProc(state->Proc);
    return;
  }
  state->Address = fields.address;
  state->Amount = fields.amount;
  state->From = fields.label;
  state->Msg = fields.message;
  state->AmountExt = fields.amountExt;
  state->AmountType = fields.amountType;

  const qx::TFormatSettings settings = FPlatform->FormatSettings();
  state->AmountExtNum = qx::TextToFloat(state->AmountExt, settings).value_or(-1);
  const bool meantInKRVL = state->AmountType.empty() || FPlatform->UpperCase(state->AmountType) == kKRVLUnit;
  // amountExt stands in for the KRVL amount only when it is meant in KRVL; a
  // figure in another currency never reaches the wallet as KRVL.
  if (meantInKRVL && !state->AmountExt.empty()) state->Amount = state->AmountExt;

  if (meantInKRVL || state->AmountExtNum < 0) {
    QuerySend(FPlatform->GetMessageText(TBIPMessage::ConfirmSend), state->Address, state->Amount, state->From,
              state->Msg, state->Wnd, state->Path, state->Proc);
    return;
  }
  FCoinMarketCap.reset();
  FCoinMarketCap = std::make_unique<TCoinMarketCap>(kCoinListingId);
  FCoinMarketCap->GetCoinValue(state->AmountType,
                               [this, state](bool iSuccess, const std::u16string& iCode, double iPrice,
                                             qx::TDateTime iLastUpdated) {
                                 GotConvertedValue(state, iSuccess, iCode, iPrice, iLastUpdated);
                               });
}

void TBIPUtils::GotConvertedValue(const std::shared_ptr<TSendState>& iState, bool iSuccess,
                                  const std::u16string& iCode, double iPrice, qx::TDateTime iLastUpdated) {
  const TSendState& s = *iState;
  // A price that is not a positive finite number cannot convert anything.
  const double amount = iSuccess && std::isfinite(iPrice) && iPrice > 0 ? s.AmountExtNum / iPrice : NAN;
  if (!std::isfinite(amount)) {
    QuerySend(FPlatform->GetMessageText(TBIPMessage::ConfirmSend), s.Address, s.Amount, s.From, s.Msg, s.Wnd, s.Path,
              s.Proc);
    return;
  }
  const qx::TFormatSettings settings = FPlatform->FormatSettings();
  iState->Amount = qx::FloatToFixedText(amount, kConvertedAmountDecimals, settings);
  const std::u16string question =
      FormatMessageText(FPlatform->GetMessageText(TBIPMessage::ConfirmSendConverted),
                        {{s.Amount},
                         {s.AmountExt},
                         {iCode},
                         {{}, iPrice, true},
                         {iCode},
                         {qx::FormatDateTimeText(kPriceTimePattern, iLastUpdated, settings)}},
                        settings);
  QuerySend(question, s.Address, s.Amount, s.From, s.Msg, s.Wnd, s.Path, s.Proc);
}

void TBIPUtils::QuerySend(const std::u16string& iQuestion, const std::u16string& iAddress,
                          const std::u16string& iAmount, const std::u16string& iLabel, const std::u16string& iMessage,
                          ui::TWindowHandle iWnd, const std::u16string& iPath, ui::TProc iProc) {
  const std::u16string link = NormalizedPaymentLink(iAddress, iAmount, iLabel, iMessage);
  qx::utils::QueryMessageDialog(iQuestion + u"\r\n\r\n" + link,
                                [platform = FPlatform, formUtils = FFormUtils, link, iWnd, iPath, iProc](bool iYes) {
                                  if (iYes) {
                                    // Quoted so the wallet receives exactly its path and this link, whatever the link holds.
                                    platform->Execute(qx::cli::BuildCommandLine(iPath, {link}));
                                    formUtils->BringToFront(iWnd);
                                  }
                                  CallProc(iProc);
                                });
}

void TBIPUtils::CallProc(ui::TProc iProc) {
  ui::ForceQueue([iProc = std::move(iProc)] {
    if (iProc) iProc();
  });
}

}  // namespace payment
