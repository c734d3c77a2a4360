#include "ui/Control.h"

#include <algorithm>

#include "ui/Canvas.h"
#include "ui/StyleBook.h"
#include "ui/Translation.h"

namespace ui {
namespace {
constexpr const char* kFontFamily = "fontFamily";
constexpr const char* kFontSize = "fontSize";
constexpr const char* kFontColor = "fontColor";
constexpr const char* kFontBold = "fontBold";
}  // namespace

TControl::TControl(std::string kind) : kind_(std::move(kind)) {}
TControl::~TControl() = default;

TControl& TControl::AddChild(std::unique_ptr<TControl> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  return *children_.back();
}

TControl* TControl::FindControl(std::u16string_view name) {
  if (Name == name) return this;
  for (auto& c : children_) {
    if (TControl* found = c->FindControl(name)) return found;
  }
  return nullptr;
}

TRectF TControl::AbsoluteRect() const {
  TRectF r = BoundsRect();
  for (const TControl* p = parent_; p; p = p->parent_) {
    r.Left += p->Position.X;
    r.Right += p->Position.X;
    r.Top += p->Position.Y;
    r.Bottom += p->Position.Y;
  }
  return r;
}

float TControl::AbsoluteOpacity() const { return parent_ ? Opacity * parent_->AbsoluteOpacity() : Opacity; }
bool TControl::AbsoluteEnabled() const { return Enabled && (!parent_ || parent_->AbsoluteEnabled()); }
bool TControl::AbsoluteVisible() const { return Visible && (!parent_ || parent_->AbsoluteVisible()); }

const std::u16string& TTextControl::DisplayText() const { return AutoTranslate ? Translate(Text) : Text; }

TTextSettings TTextControl::ResolvedTextSettings(const TStyleBook* style) const {
  TTextSettings s = TextSettings;
  if (!style) return s;
  const std::string name = EffectiveStyle();
  if (StyledSettings & ssFamily) {
    if (auto v = style->Text(name, kFontFamily)) s.Family = *v;
  }
  if (StyledSettings & ssSize) {
    if (auto v = style->Number(name, kFontSize)) s.Size = *v;
  }
  if (StyledSettings & ssStyle) {
    if (auto v = style->Number(name, kFontBold)) s.Style = *v != 0 ? std::uint32_t{fsBold} : 0u;
  }
  if (StyledSettings & ssFontColor) {
    if (auto v = style->Color(name, kFontColor)) s.FontColor = *v;
  }
  return s;
}

void TTextControl::PaintText(const TPaintContext& ctx, const TRectF& r) const {
  const TTextSettings s = ResolvedTextSettings(ctx.style);
  ctx.canvas.DrawText(DisplayText(), r, TFont{s.Family, s.Size, s.Style}, s.FontColor, s.HorzAlign, s.VertAlign,
                      s.WordWrap, AbsoluteOpacity());
}

void TLabel::Paint(const TPaintContext& ctx) const { PaintText(ctx, AbsoluteRect()); }

void TLine::Paint(const TPaintContext& ctx) const {
  const TRectF r = AbsoluteRect();
  const float half = StrokeThickness / 2;
  TPointF from{r.Left, r.Top};
  TPointF to{r.Right, r.Bottom};
  switch (LineType) {
    case TLineType::Top: from = {r.Left, r.Top + half}; to = {r.Right, r.Top + half}; break;
    case TLineType::Bottom: from = {r.Left, r.Bottom - half}; to = {r.Right, r.Bottom - half}; break;
    case TLineType::Left: from = {r.Left + half, r.Top}; to = {r.Left + half, r.Bottom}; break;
    case TLineType::Right: from = {r.Right - half, r.Top}; to = {r.Right - half, r.Bottom}; break;
    case TLineType::Diagonal: break;
  }
  ctx.canvas.DrawLine(from, to, StrokeColor, StrokeThickness, AbsoluteOpacity());
}

void TImage::Paint(const TPaintContext& ctx) const {
  ctx.canvas.DrawBitmap(BitmapResource, AbsoluteRect(), AbsoluteOpacity());
}

}  // namespace ui
