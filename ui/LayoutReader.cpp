#include "ui/LayoutReader.h"

#include <functional>
#include <stdexcept>

#include "ui/Button.h"
#include "ui/Color.h"
#include "ui/Text.h"

namespace ui {
namespace {

using nlohmann::json;

std::u16string Str(const json& j) { return FromUtf8(j.get<std::string>()); }

TAlphaColor ColorValue(const json& j) {
  auto c = ParseColor(j.get<std::string>());
  if (!c) throw std::runtime_error("layout: bad colour " + j.get<std::string>());
  return *c;
}

template <class E>
E EnumValue(const json& j, const std::map<std::string, E>& names) {
  auto found = names.find(j.get<std::string>());
  if (found == names.end()) throw std::runtime_error("layout: unknown value " + j.get<std::string>());
  return found->second;
}

TBounds BoundsValue(const json& j) {
  if (!j.is_array() || j.size() != 4) throw std::runtime_error("layout: [left, top, right, bottom] expected");
  return {j[0].get<float>(), j[1].get<float>(), j[2].get<float>(), j[3].get<float>()};
}

const std::map<std::string, TAlignLayout> kAligns{
    {"None", TAlignLayout::None},       {"Top", TAlignLayout::Top},           {"Bottom", TAlignLayout::Bottom},
    {"Left", TAlignLayout::Left},       {"Right", TAlignLayout::Right},       {"MostTop", TAlignLayout::MostTop},
    {"Client", TAlignLayout::Client},   {"Center", TAlignLayout::Center},     {"Contents", TAlignLayout::Contents}};
const std::map<std::string, TTextAlign> kTextAligns{
    {"Leading", TTextAlign::Leading}, {"Center", TTextAlign::Center}, {"Trailing", TTextAlign::Trailing}};
const std::map<std::string, std::uint32_t> kStyledSettings{
    {"Family", ssFamily}, {"Size", ssSize}, {"Style", ssStyle}, {"FontColor", ssFontColor}, {"Other", ssOther}};
const std::map<std::string, std::uint32_t> kFontStyles{
    {"Bold", fsBold}, {"Italic", fsItalic}, {"Underline", fsUnderline}};
const std::map<std::string, TLineType> kLineTypes{{"Top", TLineType::Top},
                                                   {"Bottom", TLineType::Bottom},
                                                   {"Left", TLineType::Left},
                                                   {"Right", TLineType::Right},
                                                   {"Diagonal", TLineType::Diagonal}};
const std::map<std::string, TFormBorderStyle> kBorderStyles{
    {"None", TFormBorderStyle::None}, {"Single", TFormBorderStyle::Single}, {"Sizeable", TFormBorderStyle::Sizeable}};
const std::map<std::string, std::uint32_t> kBorderIcons{
    {"SystemMenu", biSystemMenu}, {"Minimize", biMinimize}, {"Maximize", biMaximize}};
const std::map<std::string, TFormPosition> kPlacements{{"Designed", TFormPosition::Designed},
                                                        {"ScreenCenter", TFormPosition::ScreenCenter}};

std::uint32_t Flags(const json& j, const std::map<std::string, std::uint32_t>& names) {
  std::uint32_t flags = 0;
  for (const auto& n : j) flags |= EnumValue(n, names);
  return flags;
}

std::unique_ptr<TControl> MakeControl(const std::string& kind) {
  if (kind == "label") return std::make_unique<TLabel>();
  if (kind == "button") return std::make_unique<TButton>();
  if (kind == "layout") return std::make_unique<TLayout>();
  if (kind == "line") return std::make_unique<TLine>();
  if (kind == "image") return std::make_unique<TImage>();
  throw std::runtime_error("layout: unknown control kind " + kind);
}

void ReadTextSettings(const json& j, TTextControl& t) {
  TTextSettings& s = t.TextSettings;
  if (j.contains("family")) s.Family = Str(j["family"]);
  if (j.contains("size")) s.Size = j["size"].get<float>();
  if (j.contains("style")) s.Style = Flags(j["style"], kFontStyles);
  if (j.contains("fontColor")) s.FontColor = ColorValue(j["fontColor"]);
  if (j.contains("horzAlign")) s.HorzAlign = EnumValue(j["horzAlign"], kTextAligns);
  if (j.contains("vertAlign")) s.VertAlign = EnumValue(j["vertAlign"], kTextAligns);
  if (j.contains("wordWrap")) s.WordWrap = j["wordWrap"].get<bool>();
}

void ReadCommon(const json& j, TControl& c) {
  c.Name = Str(j.at("name"));
  if (j.contains("align")) c.Align = EnumValue(j["align"], kAligns);
  if (j.contains("position")) c.Position = {j["position"].at(0).get<float>(), j["position"].at(1).get<float>()};
  if (j.contains("size")) c.Size = {j["size"].at(0).get<float>(), j["size"].at(1).get<float>()};
  if (j.contains("margins")) c.Margins = BoundsValue(j["margins"]);
  if (j.contains("padding")) c.Padding = BoundsValue(j["padding"]);
  c.Opacity = j.value("opacity", c.Opacity);
  c.Enabled = j.value("enabled", c.Enabled);
  c.Visible = j.value("visible", c.Visible);
  c.HitTest = j.value("hitTest", c.HitTest);
  c.TabOrder = j.value("tabOrder", c.TabOrder);
  c.TabStop = j.value("tabStop", c.TabStop);
  if (j.contains("styleLookup")) c.StyleLookup = j["styleLookup"].get<std::string>();
}

void ReadControl(const json& j, TControl& parent, std::vector<THandlerBinding>& handlers) {
  auto owned = MakeControl(j.at("kind").get<std::string>());
  TControl& c = parent.AddChild(std::move(owned));
  ReadCommon(j, c);
  if (auto* t = dynamic_cast<TTextControl*>(&c)) {
    if (j.contains("text")) t->Text = Str(j["text"]);
    if (j.contains("textSettings")) ReadTextSettings(j["textSettings"], *t);
    if (j.contains("styledSettings")) t->StyledSettings = Flags(j["styledSettings"], kStyledSettings);
    t->AutoTranslate = j.value("autoTranslate", t->AutoTranslate);
  }
  if (auto* b = dynamic_cast<TButton*>(&c)) b->IsCancel = j.value("cancel", false);
  if (auto* l = dynamic_cast<TLine*>(&c)) {
    if (j.contains("lineType")) l->LineType = EnumValue(j["lineType"], kLineTypes);
    if (j.contains("stroke")) l->StrokeColor = ColorValue(j["stroke"]);
    l->StrokeThickness = j.value("strokeThickness", l->StrokeThickness);
  }
  if (auto* i = dynamic_cast<TImage*>(&c)) i->BitmapResource = Str(j.at("bitmap"));
  if (j.contains("onClick")) handlers.push_back({&c, "onClick", Str(j["onClick"])});
  if (j.contains("children")) {
    for (const auto& child : j["children"]) ReadControl(child, c, handlers);
  }
}

}  // namespace

TFormLayout ReadLayout(const json& layout) {
  TFormLayout out;
  const json& form = layout.at("form");
  TFormSettings& s = out.settings;
  s.Caption = Str(form.at("caption"));
  s.ClientSize = {form.at("clientWidth").get<float>(), form.at("clientHeight").get<float>()};
  if (form.contains("position")) s.Position = {form["position"].at(0).get<float>(), form["position"].at(1).get<float>()};
  if (form.contains("borderStyle")) s.BorderStyle = EnumValue(form["borderStyle"], kBorderStyles);
  if (form.contains("borderIcons")) s.BorderIcons = Flags(form["borderIcons"], kBorderIcons);
  if (form.contains("placement")) s.Placement = EnumValue(form["placement"], kPlacements);
  if (form.contains("styleBook")) s.StyleBook = Str(form["styleBook"]);
  if (form.contains("fill")) s.Fill = ColorValue(form["fill"]);
  for (const char* event : {"onCreate", "onDestroy", "onShow", "onHide", "onClose"}) {
    if (form.contains(event)) out.handlers.push_back({nullptr, event, Str(form[event])});
  }
  out.root = std::make_unique<TLayout>();
  out.root->Size = s.ClientSize;
  for (const auto& child : layout.at("children")) ReadControl(child, *out.root, out.handlers);
  if (layout.contains("lang")) out.lang = TLang::FromJson(layout["lang"]);
  return out;
}

}  // namespace ui
