#pragma once
// Command lines that a started program splits back into exactly the
// arguments given, whatever they hold, by both CommandLineToArgvW and the C
// runtime's rules.
#include <string>
#include <string_view>
#include <vector>

namespace qx::cli {

// One argument after the program: always quoted; backslashes are doubled
// only where they precede a quote or the closing quote, and quotes escaped.
std::u16string QuoteArgument(std::u16string_view arg);

// The program path in quotes followed by each argument quoted. The path is
// taken as is: the first token is never unescaped, and a Windows path
// cannot contain a quote.
std::u16string BuildCommandLine(std::u16string_view program, const std::vector<std::u16string>& args);

}  // namespace qx::cli
