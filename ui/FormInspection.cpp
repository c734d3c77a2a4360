#include "ui/FormInspection.h"

#include <nlohmann/json.hpp>

#include "ui/Form.h"
#include "ui/Text.h"

namespace ui {
namespace {

void Describe(const TControl& c, nlohmann::json& out) {
  const TRectF r = c.AbsoluteRect();
  nlohmann::json item{{"name", ToUtf8(c.Name)},
                      {"kind", c.Kind()},
                      {"enabled", c.Enabled},
                      {"opacity", c.Opacity},
                      {"visible", c.Visible},
                      {"bounds", {r.Left, r.Top, r.Right, r.Bottom}}};
  if (auto* t = dynamic_cast<const TTextControl*>(&c)) item["text"] = ToUtf8(t->DisplayText());
  out.push_back(std::move(item));
  for (const auto& k : c.Children()) Describe(*k, out);
}

}  // namespace

std::string DescribeForm(Form& form) {
  nlohmann::json controls = nlohmann::json::array();
  for (const auto& c : form.Root().Children()) Describe(*c, controls);
  nlohmann::json out{{"caption", ToUtf8(form.Settings().Caption)}, {"controls", std::move(controls)}};
  return out.dump();
}

}  // namespace ui
