#include "ui/Resources.h"

namespace ui {
namespace {
TResourceReader& Reader() {
  static TResourceReader reader;
  return reader;
}
}  // namespace

void SetResourceReader(TResourceReader reader) { Reader() = std::move(reader); }

std::optional<std::string> ReadResource(const std::u16string& name) {
  if (!Reader()) return std::nullopt;
  return Reader()(name);
}

}  // namespace ui
