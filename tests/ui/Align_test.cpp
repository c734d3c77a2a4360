#include "ui/Align.h"

#include <gtest/gtest.h>

#include "support/SourceResources.h"
#include "ui/LayoutReader.h"

namespace {

using ui::TAlignLayout;

struct Expected {
  std::u16string name;
  float left, top, width, height;
};

void ExpectBounds(ui::TControl& root, const std::vector<Expected>& expected) {
  for (const auto& e : expected) {
    SCOPED_TRACE(std::string(e.name.begin(), e.name.end()));
    ui::TControl* c = root.FindControl(e.name);
    ASSERT_NE(c, nullptr);
    EXPECT_FLOAT_EQ(c->Position.X, e.left);
    EXPECT_FLOAT_EQ(c->Position.Y, e.top);
    EXPECT_FLOAT_EQ(c->Size.Width, e.width);
    EXPECT_FLOAT_EQ(c->Size.Height, e.height);
  }
}

TEST(Align, MainWindowLayoutComesOutAtItsDesignedPositions) {
  ui::TFormLayout layout = ui::ReadLayout(testsupport::SourceResourceJson(u"frmMain"));
  ui::Realign(*layout.root);
  ExpectBounds(*layout.root, {
                                 {u"lblTitle", 4, 0, 266, 32},
                                 {u"lblCopyrght", 16, 32, 246, 18},
                                 {u"lblCreated", 16, 50, 246, 18},
                                 {u"layoutButtonBase", 0, 68, 270, 195},
                                 {u"imgIcon", 8, 32, 64, 37},
                                 // relative to layoutButtonBase
                                 {u"lineSep1", 0, 8, 270, 8},
                                 {u"btnReg", 8, 16, 254, 33},
                                 {u"btnUnreg", 8, 57, 254, 33},
                                 {u"lineSep2", 0, 98, 270, 8},
                                 {u"btnCreateParam", 8, 106, 254, 33},
                                 {u"lineSep3", 0, 147, 270, 8},
                                 {u"btnExit", 8, 155, 254, 33},
                             });
}

std::unique_ptr<ui::TControl> Child(const char16_t* name, TAlignLayout align, float w, float h,
                                    ui::TBounds margins = {}) {
  auto c = std::make_unique<ui::TLayout>();
  c->Name = name;
  c->Align = align;
  c->Size = {w, h};
  c->Margins = margins;
  return c;
}

TEST(Align, DocksEachKindIntoWhatTheOthersLeft) {
  ui::TLayout root;
  root.Size = {100, 100};
  root.Padding = {2, 2, 2, 2};
  // Child order differs from docking order on purpose: MostTop goes first
  // although it comes after a Top sibling.
  root.AddChild(Child(u"top", TAlignLayout::Top, 0, 10, {1, 1, 1, 1}));
  root.AddChild(Child(u"mostTop", TAlignLayout::MostTop, 0, 5));
  root.AddChild(Child(u"bottom", TAlignLayout::Bottom, 0, 8));
  root.AddChild(Child(u"left", TAlignLayout::Left, 20, 0));
  root.AddChild(Child(u"right", TAlignLayout::Right, 10, 0, {0, 0, 3, 0}));
  root.AddChild(Child(u"client", TAlignLayout::Client, 0, 0, {1, 1, 1, 1}));
  root.AddChild(Child(u"center", TAlignLayout::Center, 10, 6));
  root.AddChild(Child(u"contents", TAlignLayout::Contents, 0, 0));
  root.AddChild(Child(u"free", TAlignLayout::None, 7, 7));
  root.FindControl(u"free")->Position = {50, 60};
  auto hidden = Child(u"hidden", TAlignLayout::Top, 0, 30);
  hidden->Visible = false;
  root.AddChild(std::move(hidden));

  ui::Realign(root);
  // Rest after MostTop (2..7), Top (8..18 with margins 1), Bottom (90..98):
  // top 19, bottom 90; Left takes 2..22, Right 85..95 plus margin 3.
  ExpectBounds(root, {
                         {u"mostTop", 2, 2, 96, 5},
                         {u"top", 3, 8, 94, 10},
                         {u"bottom", 2, 90, 96, 8},
                         {u"left", 2, 19, 20, 71},
                         {u"right", 85, 19, 10, 71},
                         {u"client", 23, 20, 61, 69},
                         {u"center", 48.5f, 51.5f, 10, 6},
                         {u"contents", 2, 2, 96, 96},
                         {u"free", 50, 60, 7, 7},
                     });
}

TEST(Align, NothingBecomesNegativeWhenTheParentIsTooSmall) {
  ui::TLayout root;
  root.Size = {10, 10};
  root.AddChild(Child(u"a", TAlignLayout::Top, 0, 30));
  root.AddChild(Child(u"b", TAlignLayout::Client, 0, 0, {4, 4, 4, 4}));
  root.AddChild(Child(u"c", TAlignLayout::Left, 50, 0, {0, 0, 0, 0}));
  ui::Realign(root);
  for (const auto& c : root.Children()) {
    EXPECT_GE(c->Size.Width, 0);
    EXPECT_GE(c->Size.Height, 0);
  }
}

}  // namespace
