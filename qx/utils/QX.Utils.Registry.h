#pragma once
// The text rules of the registry unit, apart from the registry calls.
#include <string>
#include <string_view>

namespace qx::utils {

// The path less one trailing backslash; a path ending in two keeps one.
std::u16string StripLastBackslash(std::u16string_view iPath);

// Drops every leading and trailing unit up to U+0020: a stored terminating
// NUL, spaces, tabs and line breaks.
std::u16string TrimRegText(std::u16string_view text);

// An empty path, or one of backslashes only, opens the root itself.
bool IsRootPath(std::u16string_view iPath);

}  // namespace qx::utils
