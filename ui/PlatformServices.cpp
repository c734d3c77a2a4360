#include "ui/PlatformServices.h"

namespace ui {

PlatformServices& PlatformServices::Current() {
  static PlatformServices instance;
  return instance;
}

void PlatformServices::AddService(const Guid& id, std::shared_ptr<void> service) {
  services_.try_emplace(id, std::move(service));
}

void PlatformServices::RemoveService(const Guid& id) { services_.erase(id); }

bool PlatformServices::SupportsService(const Guid& id) const { return services_.contains(id); }

std::shared_ptr<void> PlatformServices::GetService(const Guid& id) const {
  auto it = services_.find(id);
  return it == services_.end() ? nullptr : it->second;
}

}  // namespace ui
