#pragma once
// What the payment request dispatcher needs from the platform beyond the
// window utilities, the dialogs, the queue and the price client: the wallet's
// executable, the runner, the message texts and the user's locale rules.
// app/ plugs in the Windows side; tests plug in fakes.
#include <string>
#include <string_view>
#include <vector>

#include "qx/utils/QX.Utils.FormatSettings.h"
#include "ui/WindowHandle.h"

namespace payment {

inline constexpr char16_t kWalletCaption[] = u"KORVALCOIN CORE KRVL WALLET ";
inline constexpr std::u16string_view kKRVLUnit = u"KRVL";
// The coin's listing identifier at the price service.
inline constexpr char16_t kCoinListingId[] = u"2931";
inline constexpr int kConvertedAmountDecimals = 8;
inline constexpr std::u16string_view kPriceTimePattern = u"yyyy/mm/dd hh:nn";

enum class TBIPMessage { WalletNotRunning, WalletExeNotFound, ConfirmSend, ConfirmSendConverted };

class IBIPPlatform {
 public:
  virtual ~IBIPPlatform() = default;
  // Full path of the executable of the window's process; empty when unknown.
  virtual std::u16string GetProcessPath(ui::TWindowHandle iWnd) = 0;
  // Runs the command line and returns when the started process has ended.
  virtual void Execute(const std::u16string& iCommand) = 0;
  virtual std::u16string GetMessageText(TBIPMessage iId) = 0;
  virtual qx::TFormatSettings FormatSettings() = 0;
  // Upper case by the rules of the user's default locale.
  virtual std::u16string UpperCase(std::u16string_view iText) = 0;
};

// The converted question: %s, %.Nf and %% are filled from the arguments in
// order; anything else, and a placeholder without a fitting argument, stays
// as written, so a catalogue text can never read past its arguments.
struct TMessageArg {
  std::u16string text;
  double number = 0;
  bool isNumber = false;
};
std::u16string FormatMessageText(std::u16string_view iFormat, const std::vector<TMessageArg>& iArgs,
                                 const qx::TFormatSettings& iSettings);

}  // namespace payment
