#pragma once
// Per-monitor DPI: each window reads its own DPI; newer functions are looked
// up at run time so older systems fall back to the system DPI.
#include <windows.h>

namespace ui {

constexpr UINT kDefaultDpi = 96;

// Makes the process per-monitor DPI aware unless its manifest already decided.
void EnablePerMonitorDpi();
UINT DpiOfWindow(HWND hwnd);
// AdjustWindowRectEx at the given DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace ui
