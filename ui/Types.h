#pragma once
// Plain value types of the toolkit's model: geometry in logical units
// (1 unit = 1 pixel at 96 DPI), colours as ARGB.
#include <cstdint>
#include <string>

namespace ui {

using TAlphaColor = std::uint32_t;

struct TPointF {
  float X = 0;
  float Y = 0;
};

struct TSizeF {
  float Width = 0;
  float Height = 0;
};

struct TRectF {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  float Width() const { return Right - Left; }
  float Height() const { return Bottom - Top; }
  bool Contains(TPointF p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
};

// Margins and padding: the space kept on each side.
struct TBounds {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
};

enum class TAlignLayout { None, Top, Bottom, Left, Right, MostTop, Client, Center, Contents };

enum class TTextAlign { Leading, Center, Trailing };

enum TFontStyle : std::uint32_t { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2 };

// Which text attributes a control takes from its style rather than from its
// own TextSettings.
enum TStyledSetting : std::uint32_t {
  ssFamily = 1u << 0,
  ssSize = 1u << 1,
  ssStyle = 1u << 2,
  ssFontColor = 1u << 3,
  ssOther = 1u << 4,
};
constexpr std::uint32_t kAllStyledSettings = ssFamily | ssSize | ssStyle | ssFontColor | ssOther;

struct TTextSettings {
  std::u16string Family;
  float Size = 12;
  std::uint32_t Style = 0;
  TAlphaColor FontColor = 0xFF000000;
  TTextAlign HorzAlign = TTextAlign::Leading;
  TTextAlign VertAlign = TTextAlign::Center;
  bool WordWrap = false;
};

}  // namespace ui
