#include "ui/GdiplusCanvas.Win.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "ui/Resources.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace ui {
namespace {

constexpr wchar_t kDefaultFamily[] = L"Tahoma";
// Tahoma has no Japanese glyphs and GDI+ does not fall back by itself.
constexpr wchar_t kCjkFamily[] = L"MS UI Gothic";
constexpr char16_t kFirstCjk = 0x2E80;
constexpr float kFocusInset = 2.0f;
constexpr Gdiplus::REAL kQuarterTurn = 90;
constexpr char16_t kDoubleSizeSuffix[] = u"_2x";

struct Caches {
  std::map<std::u16string, std::unique_ptr<Gdiplus::Bitmap>> bitmaps;
  std::map<std::wstring, std::unique_ptr<Gdiplus::FontFamily>> families;
};

Caches& TheCaches() {
  static Caches caches;
  return caches;
}

Gdiplus::Color WithOpacity(TAlphaColor c, float opacity) {
  constexpr int kAlphaShift = 24;
  constexpr int kRedShift = 16;
  constexpr int kGreenShift = 8;
  constexpr float kOpaque = 255.0f;
  const auto alpha = static_cast<BYTE>(std::clamp(static_cast<float>(c >> kAlphaShift) * opacity, 0.0f, kOpaque));
  return Gdiplus::Color(alpha, static_cast<BYTE>(c >> kRedShift), static_cast<BYTE>(c >> kGreenShift),
                        static_cast<BYTE>(c));
}

Gdiplus::RectF ToRect(const TRectF& r) { return {r.Left, r.Top, r.Width(), r.Height()}; }

void RoundedPath(Gdiplus::GraphicsPath& path, const TRectF& r, float radius) {
  const float d = std::min({radius * 2, r.Width(), r.Height()});
  if (d <= 0) {
    path.AddRectangle(ToRect(r));
    return;
  }
  // Clockwise from the top-left corner, a quarter turn each.
  path.AddArc(r.Left, r.Top, d, d, 2 * kQuarterTurn, kQuarterTurn);
  path.AddArc(r.Right - d, r.Top, d, d, 3 * kQuarterTurn, kQuarterTurn);
  path.AddArc(r.Right - d, r.Bottom - d, d, d, 0, kQuarterTurn);
  path.AddArc(r.Left, r.Bottom - d, d, d, kQuarterTurn, kQuarterTurn);
  path.CloseFigure();
}

// Null when the system has no such family.
const Gdiplus::FontFamily* Family(const std::wstring& name) {
  auto& families = TheCaches().families;
  auto found = families.find(name);
  if (found == families.end()) {
    auto family = std::make_unique<Gdiplus::FontFamily>(name.c_str());
    if (family->GetLastStatus() != Gdiplus::Ok) family.reset();
    found = families.emplace(name, std::move(family)).first;
  }
  return found->second.get();
}

bool HasCjk(const std::u16string& text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= kFirstCjk; });
}

Gdiplus::StringAlignment Alignment(TTextAlign a) {
  switch (a) {
    case TTextAlign::Leading: return Gdiplus::StringAlignmentNear;
    case TTextAlign::Center: return Gdiplus::StringAlignmentCenter;
    case TTextAlign::Trailing: return Gdiplus::StringAlignmentFar;
  }
  return Gdiplus::StringAlignmentNear;
}

Gdiplus::Bitmap* CachedBitmap(const std::u16string& name) {
  auto& bitmaps = TheCaches().bitmaps;
  if (auto found = bitmaps.find(name); found != bitmaps.end()) return found->second.get();
  std::unique_ptr<Gdiplus::Bitmap> bitmap;
  if (auto data = ReadResource(name)) {
    UniqueAny<HGLOBAL, GlobalFree, nullptr> memory(GlobalAlloc(GMEM_MOVEABLE, data->size()));
    if (void* p = memory ? GlobalLock(memory.get()) : nullptr) {
      std::copy(data->begin(), data->end(), static_cast<char*>(p));
      GlobalUnlock(memory.get());
      IStream* stream = nullptr;
      if (SUCCEEDED(CreateStreamOnHGlobal(memory.get(), FALSE, &stream))) {
        Gdiplus::Bitmap decoded(stream);
        // A copy, so the bitmap no longer needs the stream.
        if (decoded.GetLastStatus() == Gdiplus::Ok) {
          bitmap.reset(decoded.Clone(0, 0, decoded.GetWidth(), decoded.GetHeight(), PixelFormat32bppPARGB));
        }
        stream->Release();
      }
    }
  }
  return bitmaps.emplace(name, std::move(bitmap)).first->second.get();
}

}  // namespace

TGdiplusCanvas::TGdiplusCanvas(Gdiplus::Graphics& g, float scale) : g_(g), scale_(scale) {
  g_.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  g_.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  g_.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  g_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  g_.ScaleTransform(scale_, scale_);
}

void TGdiplusCanvas::FillRect(const TRectF& r, TAlphaColor color, float opacity) {
  Gdiplus::SolidBrush brush(WithOpacity(color, opacity));
  g_.FillRectangle(&brush, ToRect(r));
}

float TGdiplusCanvas::Snap(float logical) const { return std::round(logical * scale_) / scale_; }

float TGdiplusCanvas::PenPixels(float logicalWidth) const { return std::max(1.0f, std::round(logicalWidth * scale_)); }

void TGdiplusCanvas::FillButtonFace(const TRectF& r, float radius, TAlphaColor top, TAlphaColor bottom,
                                    TAlphaColor border, float opacity) {
  // Edges on whole device pixels and the border's centre half its width
  // inside them, so the border stays sharp at every scale.
  const TRectF snapped{Snap(r.Left), Snap(r.Top), Snap(r.Right), Snap(r.Bottom)};
  const float pen = PenPixels(1.0f) / scale_;
  const TRectF outline{snapped.Left + pen / 2, snapped.Top + pen / 2, snapped.Right - pen / 2,
                       snapped.Bottom - pen / 2};
  Gdiplus::GraphicsPath path;
  RoundedPath(path, outline, radius);
  const float mid = Snap(r.Top + r.Height() / 2);
  {
    Gdiplus::Region upper(&path);
    upper.Intersect(Gdiplus::RectF(snapped.Left, snapped.Top, snapped.Width(), mid - snapped.Top));
    Gdiplus::SolidBrush brush(WithOpacity(top, opacity));
    g_.FillRegion(&brush, &upper);
  }
  {
    Gdiplus::Region lower(&path);
    lower.Intersect(Gdiplus::RectF(snapped.Left, mid, snapped.Width(), snapped.Bottom - mid));
    Gdiplus::SolidBrush brush(WithOpacity(bottom, opacity));
    g_.FillRegion(&brush, &lower);
  }
  Gdiplus::Pen outlinePen(WithOpacity(border, opacity), pen);
  g_.DrawPath(&outlinePen, &path);
}

void TGdiplusCanvas::DrawLine(TPointF from, TPointF to, TAlphaColor color, float thickness, float opacity) {
  const float pen = PenPixels(thickness) / scale_;
  // Axis-aligned lines cover whole device pixels.
  if (from.Y == to.Y) {
    from.Y = to.Y = std::floor(from.Y * scale_) / scale_ + pen / 2;
    from.X = Snap(from.X);
    to.X = Snap(to.X);
  } else if (from.X == to.X) {
    from.X = to.X = std::floor(from.X * scale_) / scale_ + pen / 2;
    from.Y = Snap(from.Y);
    to.Y = Snap(to.Y);
  }
  Gdiplus::Pen linePen(WithOpacity(color, opacity), pen);
  g_.DrawLine(&linePen, from.X, from.Y, to.X, to.Y);
}

void TGdiplusCanvas::DrawText(const std::u16string& text, const TRectF& r, const TFont& font, TAlphaColor color,
                              TTextAlign horz, TTextAlign vert, bool wordWrap, float opacity) {
  if (text.empty()) return;
  std::wstring family = font.Family.empty() ? kDefaultFamily : std::wstring(WView(font.Family));
  if (HasCjk(text)) family = kCjkFamily;
  INT style = Gdiplus::FontStyleRegular;
  if (font.Style & fsBold) style |= Gdiplus::FontStyleBold;
  if (font.Style & fsItalic) style |= Gdiplus::FontStyleItalic;
  if (font.Style & fsUnderline) style |= Gdiplus::FontStyleUnderline;
  const Gdiplus::FontFamily* fam = Family(family);
  if (!fam) fam = Family(kDefaultFamily);
  if (!fam) return;
  Gdiplus::Font gdiFont(fam, font.Size, style, Gdiplus::UnitPixel);
  Gdiplus::StringFormat format;
  format.SetAlignment(Alignment(horz));
  format.SetLineAlignment(Alignment(vert));
  if (!wordWrap) format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  format.SetTrimming(Gdiplus::StringTrimmingNone);
  Gdiplus::SolidBrush brush(WithOpacity(color, opacity));
  g_.DrawString(WView(text).data(), static_cast<INT>(text.size()), &gdiFont, ToRect(r), &format, &brush);
}

void TGdiplusCanvas::DrawBitmap(const std::u16string& resourceName, const TRectF& r, float opacity) {
  // Above 100 % a double-size variant, when there is one, keeps the image sharp.
  Gdiplus::Bitmap* bitmap = scale_ > 1.0f ? CachedBitmap(resourceName + kDoubleSizeSuffix) : nullptr;
  if (!bitmap) bitmap = CachedBitmap(resourceName);
  if (!bitmap) return;
  Gdiplus::ColorMatrix matrix{};
  for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1.0f;
  matrix.m[3][3] = opacity;
  Gdiplus::ImageAttributes attributes;
  attributes.SetColorMatrix(&matrix);
  const auto w = static_cast<Gdiplus::REAL>(bitmap->GetWidth());
  const auto h = static_cast<Gdiplus::REAL>(bitmap->GetHeight());
  g_.DrawImage(bitmap, ToRect(r), 0, 0, w, h, Gdiplus::UnitPixel, &attributes);
}

void TGdiplusCanvas::DrawFocusRect(const TRectF& r, TAlphaColor color, float radius) {
  Gdiplus::GraphicsPath path;
  RoundedPath(path,
              {Snap(r.Left + kFocusInset) + 0.5f / scale_, Snap(r.Top + kFocusInset) + 0.5f / scale_,
               Snap(r.Right - kFocusInset) - 0.5f / scale_, Snap(r.Bottom - kFocusInset) - 0.5f / scale_},
              radius);
  Gdiplus::Pen pen(WithOpacity(color, 1.0f), 1.0f / scale_);
  pen.SetDashStyle(Gdiplus::DashStyleDot);
  g_.DrawPath(&pen, &path);
}

void ReleaseCanvasResources() {
  TheCaches().bitmaps.clear();
  TheCaches().families.clear();
}

}  // namespace ui
