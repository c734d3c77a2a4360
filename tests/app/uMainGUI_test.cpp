#include "app/uMainGUI.h"

#include <gtest/gtest.h>

namespace {

TEST(SetButtonEnabled, OpacityFollowsTheEnabledState) {
  ui::TButton b;
  SetButtonEnabled(b, false);
  EXPECT_FALSE(b.Enabled);
  EXPECT_FLOAT_EQ(b.Opacity, 0.5f);
  SetButtonEnabled(b, true);
  EXPECT_TRUE(b.Enabled);
  EXPECT_FLOAT_EQ(b.Opacity, 1.0f);
}

}  // namespace
