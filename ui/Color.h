#pragma once
// "#AARRGGBB" colour texts of the resource files.
#include <optional>
#include <string_view>

#include "ui/Types.h"

namespace ui {

std::optional<TAlphaColor> ParseColor(std::string_view text);

// Straight per-channel blend, t in [0, 1].
TAlphaColor InterpolateColor(TAlphaColor from, TAlphaColor to, float t);

}  // namespace ui
