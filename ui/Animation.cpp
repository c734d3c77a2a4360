#include "ui/Animation.h"

#include <algorithm>

#include "ui/Color.h"

namespace ui {

void TAnimation::Start(double now, double durationSeconds) {
  start_ = now;
  duration_ = durationSeconds;
  running_ = true;
}

float TAnimation::Progress(double now) const {
  if (!running_ || duration_ <= 0) return 1.0f;
  return static_cast<float>(std::clamp((now - start_) / duration_, 0.0, 1.0));
}

bool TAnimation::Running(double now) const { return running_ && duration_ > 0 && now - start_ < duration_; }

void TColorTransition::SetTarget(TAlphaColor target, double now, double durationSeconds) {
  if (target == to_) return;
  from_ = Value(now);  // a reversal mid-way starts from where the colour is now
  to_ = target;
  anim_.Start(now, durationSeconds);
}

TAlphaColor TColorTransition::Value(double now) const { return InterpolateColor(from_, to_, anim_.Progress(now)); }

}  // namespace ui
