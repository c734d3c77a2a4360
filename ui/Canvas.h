#pragma once
// What controls draw on. The Windows host implements it with GDI+; all
// coordinates are logical, the host scales them to the window's DPI.
#include <string>

#include "ui/Types.h"

namespace ui {

struct TFont {
  std::u16string Family;
  float Size = 12;
  std::uint32_t Style = 0;
};

class ICanvas {
 public:
  virtual ~ICanvas() = default;
  virtual void FillRect(const TRectF& r, TAlphaColor color, float opacity) = 0;
  // Upper half `top`, lower half `bottom`, rounded corners, 1-unit border.
  virtual void FillButtonFace(const TRectF& r, float radius, TAlphaColor top, TAlphaColor bottom, TAlphaColor border,
                              float opacity) = 0;
  virtual void DrawLine(TPointF from, TPointF to, TAlphaColor color, float thickness, float opacity) = 0;
  virtual void DrawText(const std::u16string& text, const TRectF& r, const TFont& font, TAlphaColor color,
                        TTextAlign horz, TTextAlign vert, bool wordWrap, float opacity) = 0;
  virtual void DrawBitmap(const std::u16string& resourceName, const TRectF& r, float opacity) = 0;
  virtual void DrawFocusRect(const TRectF& r, TAlphaColor color, float radius) = 0;
};

}  // namespace ui
