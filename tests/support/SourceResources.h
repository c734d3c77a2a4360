#pragma once
// Serves ui::ReadResource from the repository's resources/ folder, so
// portable tests load the same layouts and style books as the program.
#include <nlohmann/json.hpp>
#include <string>

namespace testsupport {

void InstallSourceResourceReader();
// The named layout or style book, parsed.
nlohmann::json SourceResourceJson(const std::u16string& name);

}  // namespace testsupport
