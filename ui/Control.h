#pragma once
// The control model: a tree of windowless controls with the properties the
// layouts set. Geometry is in logical units relative to the parent.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Types.h"

namespace ui {

class ICanvas;
class TStyleBook;

struct TPaintContext {
  ICanvas& canvas;
  const TStyleBook* style;  // may be null: built-in fallbacks apply
  double now;               // seconds, for animations
  const class TControl* focused;
};

class TControl {
 public:
  // `kind` names the default style ("button" -> "buttonstyle").
  explicit TControl(std::string kind);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  std::u16string Name;
  TAlignLayout Align = TAlignLayout::None;
  TPointF Position;
  TSizeF Size;
  TBounds Margins;
  TBounds Padding;
  float Opacity = 1.0f;
  bool Enabled = true;
  bool Visible = true;
  bool HitTest = true;
  int TabOrder = -1;
  bool TabStop = false;
  std::string StyleLookup;  // empty: the kind's default style

  const std::string& Kind() const { return kind_; }
  std::string EffectiveStyle() const { return StyleLookup.empty() ? kind_ + "style" : StyleLookup; }

  TControl* Parent() const { return parent_; }
  TControl& AddChild(std::unique_ptr<TControl> child);
  const std::vector<std::unique_ptr<TControl>>& Children() const { return children_; }
  // Depth-first search of the subtree, this control included.
  TControl* FindControl(std::u16string_view name);

  TRectF BoundsRect() const { return {Position.X, Position.Y, Position.X + Size.Width, Position.Y + Size.Height}; }
  TRectF AbsoluteRect() const;
  float AbsoluteOpacity() const;
  bool AbsoluteEnabled() const;
  bool AbsoluteVisible() const;

  virtual bool CanFocus() const { return false; }
  virtual void Paint(const TPaintContext&) const {}
  // Whether an animation still needs frames.
  virtual bool Animating(double) const { return false; }

 private:
  std::string kind_;
  TControl* parent_ = nullptr;
  std::vector<std::unique_ptr<TControl>> children_;
};

// A control that shows a text in a font.
class TTextControl : public TControl {
 public:
  using TControl::TControl;
  std::u16string Text;
  TTextSettings TextSettings;
  std::uint32_t StyledSettings = kAllStyledSettings;
  bool AutoTranslate = true;

  // The text as shown: translated when AutoTranslate is set.
  const std::u16string& DisplayText() const;
  // TextSettings with the styled attributes taken from the style.
  TTextSettings ResolvedTextSettings(const TStyleBook* style) const;

 protected:
  void PaintText(const TPaintContext& ctx, const TRectF& r) const;
};

class TLabel : public TTextControl {
 public:
  TLabel() : TTextControl("label") {}
  void Paint(const TPaintContext& ctx) const override;
};

class TLayout : public TControl {
 public:
  TLayout() : TControl("layout") {}
};

enum class TLineType { Top, Bottom, Left, Right, Diagonal };

class TLine : public TControl {
 public:
  TLine() : TControl("line") {}
  TLineType LineType = TLineType::Diagonal;
  TAlphaColor StrokeColor = 0xFF000000;
  float StrokeThickness = 1.0f;
  void Paint(const TPaintContext& ctx) const override;
};

class TImage : public TControl {
 public:
  TImage() : TControl("image") {}
  std::u16string BitmapResource;  // name of the PNG among the program's resources
  void Paint(const TPaintContext& ctx) const override;
};

}  // namespace ui
