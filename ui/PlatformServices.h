#pragma once
// The platform-service registry: platform units register their implementation
// of a service interface under the interface's GUID; callers ask by interface.
// A service interface declares `static constexpr ui::Guid kGuid`.
#include <map>
#include <memory>

#include "ui/Guid.h"

namespace ui {

class PlatformServices {
 public:
  static PlatformServices& Current();

  void AddService(const Guid& id, std::shared_ptr<void> service);
  void RemoveService(const Guid& id);
  bool SupportsService(const Guid& id) const;
  std::shared_ptr<void> GetService(const Guid& id) const;

  template <class I>
  void Add(std::shared_ptr<I> service) {
    AddService(I::kGuid, std::move(service));
  }
  template <class I>
  void Remove() {
    RemoveService(I::kGuid);
  }
  // Empty when the platform offers no such service.
  template <class I>
  std::shared_ptr<I> Get() const {
    return std::static_pointer_cast<I>(GetService(I::kGuid));
  }

 private:
  std::map<Guid, std::shared_ptr<void>> services_;
};

}  // namespace ui
