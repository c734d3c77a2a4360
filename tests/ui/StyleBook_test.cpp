#include "ui/StyleBook.h"

#include <gtest/gtest.h>

#include "support/SourceResources.h"
#include "ui/Button.h"

namespace {

std::shared_ptr<ui::TStyleBook> Jet() { return ui::TStyleBook::FromJson(testsupport::SourceResourceJson(u"styleJet")); }

TEST(StyleBook, JetCarriesTheDarkStyleValues) {
  auto jet = Jet();
  EXPECT_EQ(jet->Name(), u"styleJet");
  const struct {
    const char* style;
    const char* key;
    ui::TAlphaColor color;
  } colors[] = {
      {"backgroundstyle", "fill", 0xFF505050},  {"buttonstyle", "faceTop", 0xFF626262},
      {"buttonstyle", "faceBottom", 0xFF505050}, {"buttonstyle", "border", 0xFFA9A9A9},
      {"buttonstyle", "hot", 0xFF707070},       {"buttonstyle", "pressed", 0xFF404040},
      {"buttonstyle", "fontColor", 0xFFE0E0E0},  // inherited from textstyle
      {"labelstyle", "fontColor", 0xFFE0E0E0},
  };
  for (const auto& c : colors) EXPECT_EQ(jet->Color(c.style, c.key), c.color) << c.style << "." << c.key;
  EXPECT_EQ(jet->Number("buttonstyle", "radius"), 3.0f);
  EXPECT_EQ(jet->Number("buttonstyle", "animationSeconds"), 0.2f);
  EXPECT_TRUE(jet->HasStyle("checkboxstylewithback"));
}

TEST(StyleBook, MissingValuesAndWrongTypesGiveNothing) {
  auto jet = Jet();
  EXPECT_FALSE(jet->Color("nosuchstyle", "fill"));
  EXPECT_FALSE(jet->Color("buttonstyle", "nosuchkey"));
  EXPECT_FALSE(jet->Color("buttonstyle", "radius"));   // a number, not a colour
  EXPECT_FALSE(jet->Number("buttonstyle", "border"));  // a colour, not a number
}

TEST(StyleBook, MalformedBooksAreRejected) {
  const char* bad[] = {
      R"({"name": "x", "styles": {"a": {"parent": "missing"}}})",
      R"({"name": "x", "styles": {"a": {"parent": "b"}, "b": {"parent": "a"}}})",
      R"({"name": "x", "styles": {"a": {"parent": "a"}}})",
      R"({"name": "x", "styles": {"a": 3}})",
      R"({"styles": {}})",
  };
  for (const char* text : bad) EXPECT_ANY_THROW(ui::TStyleBook::FromJson(nlohmann::json::parse(text))) << text;
}

TEST(ButtonFace, ColourChangesGlideOverTheStyleDuration) {
  auto jet = Jet();
  ui::TButton b;
  b.SetHot(true, 10.0, jet.get());
  // The face starts at its normal colour and reaches the hover colour after 0.2 s.
  struct Probe {
    double now;
    bool animating;
  } probes[] = {{10.0, true}, {10.1, true}, {10.25, false}, {11.0, false}};
  for (const auto& p : probes) EXPECT_EQ(b.Animating(p.now), p.animating) << p.now;

  b.SetPressed(true, 11.0, jet.get());
  EXPECT_TRUE(b.Animating(11.1));
  b.SetPressed(false, 11.1, jet.get());  // released half-way: glides back from where it is
  b.SetHot(false, 11.1, jet.get());
  EXPECT_TRUE(b.Animating(11.2));
  EXPECT_FALSE(b.Animating(11.31));
}

TEST(ColorTransition, InterpolatesPerChannelAndRestartsFromTheCurrentValue) {
  ui::TColorTransition t(0xFF000000);
  t.SetTarget(0xFFC8C8C8, 0.0, 0.2);
  EXPECT_EQ(t.Value(0.0), 0xFF000000u);
  EXPECT_EQ(t.Value(0.1), 0xFF646464u);
  EXPECT_EQ(t.Value(0.2), 0xFFC8C8C8u);
  EXPECT_EQ(t.Value(5.0), 0xFFC8C8C8u);
  t.SetTarget(0xFF000000, 5.0, 0.2);
  t.SetTarget(0xFFC8C8C8, 5.1, 0.2);  // reversed half-way, at 0x64
  EXPECT_EQ(t.Value(5.1), 0xFF646464u);
  EXPECT_EQ(t.Value(5.3), 0xFFC8C8C8u);
}

}  // namespace
