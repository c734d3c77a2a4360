#include "support/CommandLineSplit.h"

namespace testsupport {

std::vector<std::u16string> SplitLikeWindows(std::u16string_view line) {
  std::vector<std::u16string> args;
  std::size_t i = 0;
  std::u16string program;
  if (i < line.size() && line[i] == u'"') {
    const std::size_t close = line.find(u'"', 1);
    program = std::u16string(line.substr(1, close - 1));
    i = close == std::u16string_view::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && line[i] != u' ' && line[i] != u'\t') program += line[i++];
  }
  args.push_back(program);
  for (;;) {
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t')) ++i;
    if (i >= line.size()) break;
    std::u16string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != u' ' && line[i] != u'\t'))) {
      if (line[i] == u'\\') {
        std::size_t n = 0;
        while (i < line.size() && line[i] == u'\\') {
          ++n;
          ++i;
        }
        if (i < line.size() && line[i] == u'"') {
          arg.append(n / 2, u'\\');
          if (n % 2) {
            arg += u'"';
            ++i;
          }
        } else {
          arg.append(n, u'\\');
        }
      } else if (line[i] == u'"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
          arg += u'"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg += line[i++];
      }
    }
    args.push_back(arg);
  }
  return args;
}

}  // namespace testsupport
