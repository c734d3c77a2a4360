#pragma once
// The program's embedded data files (layouts, style books, images) by name.
// The Windows host reads them from the executable's resources; tests install
// a reader over the source folder.
#include <functional>
#include <optional>
#include <string>

namespace ui {

using TResourceReader = std::function<std::optional<std::string>(const std::u16string& name)>;

void SetResourceReader(TResourceReader reader);
// The bytes of the named resource; empty when missing or when there is no reader.
std::optional<std::string> ReadResource(const std::u16string& name);

}  // namespace ui
