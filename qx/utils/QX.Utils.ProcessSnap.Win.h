#pragma once
// The executable of the process that owns a window.
#include <windows.h>

#include <string>

namespace qx::utils {

// Full path of the image of the window's process; empty when the handle is
// not a window, the process cannot be opened or its path does not fit.
std::u16string GetProcessPath(HWND iWnd);

}  // namespace qx::utils
