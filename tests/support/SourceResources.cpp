#include "support/SourceResources.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "ui/Resources.h"
#include "ui/Text.h"

namespace testsupport {
namespace {

std::filesystem::path ResourceDir() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources";
}

std::optional<std::string> ReadSourceResource(const std::u16string& name) {
  std::ifstream in(ResourceDir() / (ui::ToUtf8(name) + ".json"), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream data;
  data << in.rdbuf();
  return data.str();
}

}  // namespace

void InstallSourceResourceReader() { ui::SetResourceReader(ReadSourceResource); }

nlohmann::json SourceResourceJson(const std::u16string& name) {
  auto data = ReadSourceResource(name);
  if (!data) throw std::runtime_error("no resource " + ui::ToUtf8(name));
  return nlohmann::json::parse(*data);
}

}  // namespace testsupport
