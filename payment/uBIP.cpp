#include "payment/uBIP.h"

#include <vector>

#include "ui/Text.h"

namespace payment {

namespace {

constexpr unsigned char kFirstPlainByte = 0x21;
constexpr unsigned char kLastPlainByte = 0x7E;
constexpr std::string_view kAlwaysEncoded = "\"#'<>";
constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
constexpr std::u16string_view kLineBreak = u"\r\n";

bool NeedsEncoding(unsigned char byte) {
  return byte < kFirstPlainByte || byte > kLastPlainByte || kAlwaysEncoded.find(static_cast<char>(byte)) != std::string_view::npos;
}

void ReplaceAll(std::u16string& text, char16_t from, std::u16string_view to) {
  std::u16string result;
  result.reserve(text.size());
  for (char16_t c : text) {
    if (c == from) {
      result.append(to);
    } else {
      result.push_back(c);
    }
  }
  text = std::move(result);
}

// CR, LF and CR LF each end a segment; a break at the very end adds no empty segment.
std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
  }
  return lines;
}

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The value of the first segment "name=value" whose name matches; later
// duplicates are ignored.
std::u16string FieldValue(const std::vector<std::u16string_view>& segments, std::u16string_view name) {
  for (auto segment : segments) {
    const std::size_t equals = segment.find(u'=');
    if (equals != std::u16string_view::npos && EqualsIgnoringAsciiCase(segment.substr(0, equals), name)) {
      return std::u16string(segment.substr(equals + 1));
    }
  }
  return {};
}

void AppendParameter(std::u16string& link, std::u16string_view name, std::u16string_view value) {
  if (value.empty()) return;
  link += link.find(u'?') == std::u16string::npos ? u'?' : u'&';
  link += name;
  link += u'=';
  link += QueryEncode(value);
}

}  // namespace

std::u16string QueryEncode(std::u16string_view value) {
  std::u16string encoded;
  for (char c : ui::ToUtf8(value)) {
    const auto byte = static_cast<unsigned char>(c);
    if (NeedsEncoding(byte)) {
      encoded += u'%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0x0F];
    } else {
      encoded += static_cast<char16_t>(byte);
    }
  }
  return encoded;
}

TPaymentFields ReadPaymentLink(std::u16string_view link) {
  std::u16string text(link);
  std::erase(text, u'/');
  ReplaceAll(text, u':', kLineBreak);
  ReplaceAll(text, u'?', kLineBreak);
  ReplaceAll(text, u'&', kLineBreak);
  const auto segments = SplitLines(text);

  TPaymentFields fields;
  // Segment 1 normally holds the scheme name; it is not compared.
  fields.hasAddress = segments.size() >= 2;
  if (fields.hasAddress) fields.address = std::u16string(segments[1]);
  fields.amount = FieldValue(segments, u"amount");
  fields.label = QueryEncode(FieldValue(segments, u"label"));
  fields.message = QueryEncode(FieldValue(segments, u"message"));
  fields.amountExt = FieldValue(segments, u"amountExt");
  fields.amountType = FieldValue(segments, u"amountType");
  return fields;
}

std::u16string NormalizedPaymentLink(std::u16string_view address, std::u16string_view amount,
                                     std::u16string_view label, std::u16string_view message) {
  // Values go in as held: the reader has already encoded the label and the
  // message, and the wallet's command line quotes the whole link.
  std::u16string query;
  for (const auto& [name, value] : {std::pair{u"&amount=", amount}, {u"&label=", label}, {u"&message=", message}}) {
    if (!value.empty()) query.append(name).append(value);
  }
  if (!query.empty()) query.front() = u'?';
  return std::u16string(kSchemePrefix) + std::u16string(address) + query;
}

std::u16string TBIPUtils::CreateKIP21(std::u16string_view iAddress, std::u16string_view iAmount,
                                      std::u16string_view iLabel, std::u16string_view iMessage,
                                      std::u16string_view iAmountExt, std::u16string_view iAmountType) {
  std::u16string link = std::u16string(kSchemePrefix) + std::u16string(iAddress);
  AppendParameter(link, u"amount", iAmount);
  if (!iAmountExt.empty()) {
    AppendParameter(link, u"amountExt", iAmountExt);
    AppendParameter(link, u"amountType", iAmountType);
  }
  AppendParameter(link, u"label", iLabel);
  AppendParameter(link, u"message", iMessage);
  return link;
}

}  // namespace payment
