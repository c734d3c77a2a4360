#pragma once
// The process command line split the way the runtime of the original tool did:
// separators are the codes 1..32, a double quote opens or closes a quoted part
// and is dropped, there is no escape character, and a "" pair at the start of
// an argument is skipped like white space, so no empty argument is counted.
// This differs from CommandLineToArgvW (backslashes, "" inside quotes).
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Every argument, argument 0 (the program as written) included. The text ends
// at its first NUL, as the C string the system hands over would.
std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine);

}  // namespace ui
