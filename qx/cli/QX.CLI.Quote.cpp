#include "qx/cli/QX.CLI.Quote.h"

namespace qx::cli {

std::u16string QuoteArgument(std::u16string_view arg) {
  std::u16string out(1, u'"');
  std::size_t backslashes = 0;
  for (char16_t c : arg) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"') {
      out.append(backslashes * 2 + 1, u'\\');
    } else {
      out.append(backslashes, u'\\');
    }
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, u'\\');
  out += u'"';
  return out;
}

std::u16string BuildCommandLine(std::u16string_view program, const std::vector<std::u16string>& args) {
  std::u16string line = u"\"" + std::u16string(program) + u"\"";
  for (const auto& arg : args) line += u" " + QuoteArgument(arg);
  return line;
}

}  // namespace qx::cli
