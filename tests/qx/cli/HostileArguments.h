#pragma once
// Arguments that a naive quoting would split, join or shorten.
#include <string>
#include <vector>

namespace quotecases {

inline const std::u16string kProgram = u"C:\\Program Files\\Wallet\\KORVALCOIN-qt.exe";

inline const std::vector<std::u16string>& HostileArguments() {
  static const std::vector<std::u16string> cases = {
      u"korvalcoin:ADDR?amount=1.5",
      u"",
      u"plain",
      u"korvalcoin:ADDR\" -evil \"x?amount=1",
      u"\"",
      u"\"\"",
      u"a\\\"b",
      u"a\\\\\"b",
      u"ends with a backslash\\",
      u"ends with two\\\\",
      u"\\\\server\\share\\",
      u"tab\there and  two spaces",
      u" leading and trailing ",
      u"%1 %PATH% ^& | < >",
      u"korvalcoin:ADDR?label=\u65e5\u672c&message=\"quoted\\\"",
      u"line\r\nbreak",
      std::u16string(40000, u'\\') + u"\"" + std::u16string(3000, u'x'),
  };
  return cases;
}

}  // namespace quotecases
