#include "ui/Align.h"

#include <algorithm>
#include <initializer_list>

namespace ui {
namespace {

void Place(TControl& c, float left, float top, float width, float height) {
  c.Position = {left, top};
  c.Size = {std::max(width, 0.0f), std::max(height, 0.0f)};
}

void Dock(TControl& c, TRectF& rest) {
  const TBounds& m = c.Margins;
  switch (c.Align) {
    case TAlignLayout::MostTop:
    case TAlignLayout::Top:
      Place(c, rest.Left + m.Left, rest.Top + m.Top, rest.Width() - m.Left - m.Right, c.Size.Height);
      rest.Top += m.Top + c.Size.Height + m.Bottom;
      break;
    case TAlignLayout::Bottom:
      Place(c, rest.Left + m.Left, rest.Bottom - m.Bottom - c.Size.Height, rest.Width() - m.Left - m.Right,
            c.Size.Height);
      rest.Bottom -= m.Top + c.Size.Height + m.Bottom;
      break;
    case TAlignLayout::Left:
      Place(c, rest.Left + m.Left, rest.Top + m.Top, c.Size.Width, rest.Height() - m.Top - m.Bottom);
      rest.Left += m.Left + c.Size.Width + m.Right;
      break;
    case TAlignLayout::Right:
      Place(c, rest.Right - m.Right - c.Size.Width, rest.Top + m.Top, c.Size.Width, rest.Height() - m.Top - m.Bottom);
      rest.Right -= m.Left + c.Size.Width + m.Right;
      break;
    default:
      break;
  }
  rest.Bottom = std::max(rest.Bottom, rest.Top);
  rest.Right = std::max(rest.Right, rest.Left);
}

}  // namespace

void Realign(TControl& parent) {
  const TBounds& p = parent.Padding;
  const TRectF whole{p.Left, p.Top, parent.Size.Width - p.Right, parent.Size.Height - p.Bottom};
  TRectF rest = whole;
  const auto visible = [](const std::unique_ptr<TControl>& c) { return c->Visible; };

  for (auto pass : {TAlignLayout::MostTop, TAlignLayout::Top}) {
    for (auto& c : parent.Children()) {
      if (visible(c) && c->Align == pass) Dock(*c, rest);
    }
  }
  for (auto& c : parent.Children()) {
    const TAlignLayout a = c->Align;
    if (visible(c) && (a == TAlignLayout::Bottom || a == TAlignLayout::Left || a == TAlignLayout::Right)) {
      Dock(*c, rest);
    }
  }
  for (auto& c : parent.Children()) {
    if (!visible(c)) continue;
    const TBounds& m = c->Margins;
    switch (c->Align) {
      case TAlignLayout::Client:
        Place(*c, rest.Left + m.Left, rest.Top + m.Top, rest.Width() - m.Left - m.Right,
              rest.Height() - m.Top - m.Bottom);
        break;
      case TAlignLayout::Center:
        Place(*c, rest.Left + (rest.Width() - c->Size.Width) / 2, rest.Top + (rest.Height() - c->Size.Height) / 2,
              c->Size.Width, c->Size.Height);
        break;
      case TAlignLayout::Contents:
        Place(*c, whole.Left + m.Left, whole.Top + m.Top, whole.Width() - m.Left - m.Right,
              whole.Height() - m.Top - m.Bottom);
        break;
      default:
        break;
    }
  }
  for (auto& c : parent.Children()) Realign(*c);
}

}  // namespace ui
