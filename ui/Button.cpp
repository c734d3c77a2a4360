#include "ui/Button.h"

#include "ui/Canvas.h"
#include "ui/StyleBook.h"

namespace ui {
namespace {

// Used when no style book is loaded.
constexpr TAlphaColor kDefaultFaceTop = 0xFFE1E1E1;
constexpr TAlphaColor kDefaultFaceBottom = 0xFFD0D0D0;
constexpr TAlphaColor kDefaultHot = 0xFFE5F1FB;
constexpr TAlphaColor kDefaultPressed = 0xFFCCE4F7;
constexpr TAlphaColor kDefaultBorder = 0xFFADADAD;
constexpr TAlphaColor kDefaultFocus = 0xFF0078D7;
constexpr float kDefaultRadius = 3;
constexpr float kDefaultAnimationSeconds = 0.2f;

struct Face {
  TAlphaColor top, bottom;
};

TAlphaColor ColorOr(const TStyleBook* s, const std::string& style, const char* key, TAlphaColor fallback) {
  if (!s) return fallback;
  return s->Color(style, key).value_or(fallback);
}

float NumberOr(const TStyleBook* s, const std::string& style, const char* key, float fallback) {
  if (!s) return fallback;
  return s->Number(style, key).value_or(fallback);
}

}  // namespace

TButton::TButton() : TTextControl("button") {
  TabStop = true;
  TextSettings.HorzAlign = TTextAlign::Center;
}

bool TButton::Click() {
  if (!AbsoluteEnabled() || !AbsoluteVisible()) return false;
  if (OnClick) OnClick();
  return true;
}

void TButton::SetHot(bool hot, double now, const TStyleBook* style) {
  hot_ = hot;
  Retarget(now, style);
}

void TButton::SetPressed(bool pressed, double now, const TStyleBook* style) {
  pressed_ = pressed;
  Retarget(now, style);
}

void TButton::Retarget(double now, const TStyleBook* style) {
  const std::string name = EffectiveStyle();
  Face face{ColorOr(style, name, "faceTop", kDefaultFaceTop), ColorOr(style, name, "faceBottom", kDefaultFaceBottom)};
  if (!faceInitialised_) {
    top_ = TColorTransition(face.top);
    bottom_ = TColorTransition(face.bottom);
    faceInitialised_ = true;
  }
  if (pressed_ && hot_) {
    const TAlphaColor c = ColorOr(style, name, "pressed", kDefaultPressed);
    face = {c, c};
  } else if (hot_) {
    const TAlphaColor c = ColorOr(style, name, "hot", kDefaultHot);
    face = {c, c};
  }
  const float seconds = NumberOr(style, name, "animationSeconds", kDefaultAnimationSeconds);
  top_.SetTarget(face.top, now, seconds);
  bottom_.SetTarget(face.bottom, now, seconds);
}

void TButton::Paint(const TPaintContext& ctx) const {
  const std::string name = EffectiveStyle();
  const TRectF r = AbsoluteRect();
  const float radius = NumberOr(ctx.style, name, "radius", kDefaultRadius);
  const TAlphaColor top = faceInitialised_ ? top_.Value(ctx.now) : ColorOr(ctx.style, name, "faceTop", kDefaultFaceTop);
  const TAlphaColor bottom =
      faceInitialised_ ? bottom_.Value(ctx.now) : ColorOr(ctx.style, name, "faceBottom", kDefaultFaceBottom);
  ctx.canvas.FillButtonFace(r, radius, top, bottom, ColorOr(ctx.style, name, "border", kDefaultBorder),
                            AbsoluteOpacity());
  if (ctx.focused == this) ctx.canvas.DrawFocusRect(r, ColorOr(ctx.style, name, "focus", kDefaultFocus), radius);
  PaintText(ctx, r);
}

}  // namespace ui
