#pragma once
// Animations as values over time: the caller supplies the clock (seconds), so
// the model stays deterministic and testable.
#include "ui/Types.h"

namespace ui {

class TAnimation {
 public:
  void Start(double now, double durationSeconds);
  void Stop() { running_ = false; }
  // 0 at the start, 1 at the end and after it.
  float Progress(double now) const;
  bool Running(double now) const;

 private:
  double start_ = 0;
  double duration_ = 0;
  bool running_ = false;
};

// A colour that glides to each new target instead of jumping.
class TColorTransition {
 public:
  explicit TColorTransition(TAlphaColor initial = 0) : from_(initial), to_(initial) {}
  void SetTarget(TAlphaColor target, double now, double durationSeconds);
  TAlphaColor Value(double now) const;
  bool Running(double now) const { return anim_.Running(now); }
  TAlphaColor Target() const { return to_; }

 private:
  TAlphaColor from_;
  TAlphaColor to_;
  TAnimation anim_;
};

}  // namespace ui
