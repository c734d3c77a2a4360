#pragma once
// Reads a toolkit form's controls from another process: the form answers the
// registered inspection message with JSON through WM_COPYDATA.
#include <windows.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace testsupport {

// {"caption": ..., "controls": [{"name", "kind", "text", "enabled", "opacity", "visible", "bounds"}]};
// empty when the window did not answer.
std::optional<nlohmann::json> InspectForm(HWND form);
// The control of that name in an inspection; null json when missing.
nlohmann::json ControlOf(const nlohmann::json& inspection, const std::string& name);

}  // namespace testsupport
