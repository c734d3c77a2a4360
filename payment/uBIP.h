#pragma once
// The payment link format of the korvalcoin scheme: building a link from its
// six fields, reading one into its fields, and the normalised link handed to
// the wallet. Building and reading are deliberately not inverses: the reader
// decodes nothing and cuts at every ":", "?" and "&".
#include <string>
#include <string_view>

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

class TBIPUtils {
 public:
  static std::u16string CreateKIP21(std::u16string_view iAddress, std::u16string_view iAmount,
                                    std::u16string_view iLabel, std::u16string_view iMessage,
                                    std::u16string_view iAmountExt, std::u16string_view iAmountType);
};

}  // namespace payment
