#include "ui/CommandLine.h"

namespace ui {

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kLastSeparator = u' ';

bool IsSeparator(char16_t c) { return c != 0 && c <= kLastSeparator; }

}  // namespace

std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine) {
  const std::u16string_view text = commandLine.substr(0, commandLine.find(char16_t{0}));
  std::vector<std::u16string> args;
  std::size_t i = 0;
  for (;;) {
    for (;;) {
      while (i < text.size() && IsSeparator(text[i])) ++i;
      if (i + 1 < text.size() && text[i] == kQuote && text[i + 1] == kQuote) {
        i += 2;
      } else {
        break;
      }
    }
    std::u16string arg;
    while (i < text.size() && !IsSeparator(text[i])) {
      if (text[i] == kQuote) {
        const std::size_t close = text.find(kQuote, i + 1);
        const std::size_t end = close == std::u16string_view::npos ? text.size() : close;
        arg.append(text.substr(i + 1, end - i - 1));
        i = close == std::u16string_view::npos ? end : close + 1;
      } else {
        arg.push_back(text[i++]);
      }
    }
    // Only an unpaired quote at the very end yields nothing here.
    if (arg.empty()) break;
    args.push_back(std::move(arg));
  }
  return args;
}

}  // namespace ui
