#pragma once
// A form's state as JSON for tests that drive the program from outside:
// the caption and, per control, its name, kind, shown text, enabled state,
// opacity, visibility and absolute bounds.
#include <string>

namespace ui {

class Form;

std::string DescribeForm(Form& form);

}  // namespace ui
