#include "qx/cli/QX.CLI.Decoder.Win.h"

#include <utility>

#include "ui/WinText.Win.h"

namespace qx::cli {
namespace {

constexpr UINT kDoubleByteMaxCharSize = 2;
constexpr std::size_t kUtf8MaxSequence = 4;

bool IsUtf8Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

std::size_t Utf8SequenceLength(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

std::u16string Convert(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, ui::W(text), length);
  return text;
}

}  // namespace

TAnsiDecoder::TAnsiDecoder(UINT iCodePage) : FCodePage(iCodePage) {
  const UINT actual = iCodePage == CP_ACP ? GetACP() : iCodePage;
  FUtf8 = actual == CP_UTF8;
  CPINFO info{};
  FDoubleByte = !FUtf8 && GetCPInfo(actual, &info) && info.MaxCharSize == kDoubleByteMaxCharSize;
}

std::size_t TAnsiDecoder::IncompleteTail(std::string_view iBytes) const {
  const auto* b = reinterpret_cast<const unsigned char*>(iBytes.data());
  const std::size_t size = iBytes.size();
  if (FUtf8) {
    for (std::size_t back = 1; back < kUtf8MaxSequence && back <= size; ++back) {
      const unsigned char c = b[size - back];
      if (IsUtf8Continuation(c)) continue;
      return Utf8SequenceLength(c) > back ? back : 0;
    }
    return 0;
  }
  if (FDoubleByte) {
    // Trail bytes may look like lead bytes: only a walk from a character start tells.
    for (std::size_t i = 0; i < size; ++i) {
      if (!IsDBCSLeadByteEx(FCodePage, b[i])) continue;
      if (i + 1 == size) return 1;
      ++i;
    }
  }
  return 0;
}

std::u16string TAnsiDecoder::Decode(std::string_view iBytes) {
  std::string bytes = std::move(FCarry);
  bytes.append(iBytes);
  const std::size_t tail = IncompleteTail(bytes);
  FCarry = bytes.substr(bytes.size() - tail);
  bytes.resize(bytes.size() - tail);
  return Convert(FCodePage, bytes);
}

std::u16string TAnsiDecoder::Finish() { return Convert(FCodePage, std::exchange(FCarry, {})); }

}  // namespace qx::cli
