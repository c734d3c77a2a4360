#pragma once
// A native window handle as portable code sees it: an opaque number, 0 for none.
#include <cstdint>

namespace ui {

using TWindowHandle = std::uintptr_t;

}  // namespace ui
