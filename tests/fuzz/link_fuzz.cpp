// Reads, builds and normalises payment links from arbitrary UTF-16 text and
// checks what must hold for any input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "payment/uBIP.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Nothing a command line or a browser could misread: printable ASCII only,
// and none of the five marks the encoding always escapes.
bool IsEncodedText(std::u16string_view text) {
  for (char16_t c : text) {
    if (c < 0x21 || c > 0x7E) return false;
    if (c == u'"' || c == u'#' || c == u'\'' || c == u'<' || c == u'>') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);

  const payment::TPaymentFields fields = payment::ReadPaymentLink(text);
  Require(IsEncodedText(fields.label) && IsEncodedText(fields.message));
  Require(fields.hasAddress || fields.address.empty());

  const std::u16string normalized =
      payment::NormalizedPaymentLink(fields.address, fields.amount, fields.label, fields.message);
  Require(normalized.starts_with(payment::kSchemePrefix));

  const std::u16string encoded = payment::QueryEncode(text);
  Require(payment::QueryEncode(encoded) == encoded);

  // Split the input into six fields at its first five NUL units.
  std::u16string parts[6];
  std::size_t part = 0;
  for (char16_t c : text) {
    if (c == 0 && part < 5) {
      ++part;
    } else {
      parts[part] += c;
    }
  }
  const std::u16string built = payment::TBIPUtils::CreateKIP21(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
  Require(built.starts_with(std::u16string(payment::kSchemePrefix) + parts[0]));
  Require(IsEncodedText(std::u16string_view(built).substr(payment::kSchemePrefix.size() + parts[0].size())));
  return 0;
}
