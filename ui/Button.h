#pragma once
// A push button: two-tone face from the style, colour changes animated,
// clicked by the mouse, Enter/Space when focused, Escape when it is the
// form's cancel button.
#include <functional>

#include "ui/Animation.h"
#include "ui/Control.h"

namespace ui {

class TButton : public TTextControl {
 public:
  TButton();
  bool IsCancel = false;
  std::function<void()> OnClick;

  bool CanFocus() const override { return TabStop && AbsoluteVisible() && AbsoluteEnabled(); }
  // Runs OnClick when the button is enabled; false otherwise.
  bool Click();

  // Mouse state as the host reports it.
  void SetHot(bool hot, double now, const TStyleBook* style);
  void SetPressed(bool pressed, double now, const TStyleBook* style);
  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }

  void Paint(const TPaintContext& ctx) const override;
  bool Animating(double now) const override { return top_.Running(now) || bottom_.Running(now); }

 private:
  void Retarget(double now, const TStyleBook* style);

  bool hot_ = false;
  bool pressed_ = false;
  bool faceInitialised_ = false;
  TColorTransition top_;
  TColorTransition bottom_;
};

}  // namespace ui
