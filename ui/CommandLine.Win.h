#pragma once
// The running process's arguments, split by SplitCommandLine. Argument 0 is
// the running module's full path as the system reports it, not the text the
// caller wrote.
#include <string>

namespace ui {

// Number of arguments after argument 0.
int ParamCount();
// Argument i; empty when there is no such argument.
std::u16string ParamStr(int index);
// Full path of the running executable, of any length.
std::u16string ModuleFileName();

}  // namespace ui
