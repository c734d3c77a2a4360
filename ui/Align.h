#pragma once
// The layout engine: docks the children of a control into its client area.
// MostTop goes first, then Top, Bottom, Left and Right in child order, each
// taking its band (with its margins) from what is left; Client fills the rest,
// Center keeps its size and centres in the rest, Contents covers the parent's
// whole area whatever the docked siblings took. None keeps position and size.
#include "ui/Control.h"

namespace ui {

// Lays out the subtree under `parent` (its own bounds are left alone).
void Realign(TControl& parent);

}  // namespace ui
