#pragma once
// The splitting rules that CommandLineToArgvW and the C runtime share:
// the program token runs to its closing quote with no escapes; after it,
// 2n backslashes before a quote give n and the quote toggles quoting,
// 2n+1 give n and a literal quote, other backslashes are literal, and
// spaces and tabs separate arguments outside quotes.
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

std::vector<std::u16string> SplitLikeWindows(std::u16string_view line);

}  // namespace testsupport
