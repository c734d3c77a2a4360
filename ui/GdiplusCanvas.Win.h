#pragma once
// ICanvas over a GDI+ Graphics whose world transform maps logical units to
// the window's pixels: anti-aliased shapes, grayscale anti-aliased text.
#include <windows.h>

#include "ui/Gdiplus.Win.h"

#include "ui/Canvas.h"

namespace ui {

class TGdiplusCanvas : public ICanvas {
 public:
  TGdiplusCanvas(Gdiplus::Graphics& g, float scale);
  void FillRect(const TRectF& r, TAlphaColor color, float opacity) override;
  void FillButtonFace(const TRectF& r, float radius, TAlphaColor top, TAlphaColor bottom, TAlphaColor border,
                      float opacity) override;
  void DrawLine(TPointF from, TPointF to, TAlphaColor color, float thickness, float opacity) override;
  void DrawText(const std::u16string& text, const TRectF& r, const TFont& font, TAlphaColor color, TTextAlign horz,
                TTextAlign vert, bool wordWrap, float opacity) override;
  void DrawBitmap(const std::u16string& resourceName, const TRectF& r, float opacity) override;
  void DrawFocusRect(const TRectF& r, TAlphaColor color, float radius) override;

 private:
  // A logical coordinate moved onto the nearest device pixel edge.
  float Snap(float logical) const;
  // A pen of this logical width, in whole device pixels (at least one).
  float PenPixels(float logicalWidth) const;

  Gdiplus::Graphics& g_;
  float scale_;
};

// Frees the cached bitmaps and font families (before GdiplusShutdown).
void ReleaseCanvasResources();

}  // namespace ui
