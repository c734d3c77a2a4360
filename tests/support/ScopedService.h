#pragma once
// Puts a test's own implementation of a platform service (or none) in place of
// what the program registered, and restores that afterwards.
#include <memory>

#include "ui/PlatformServices.h"

namespace testsupport {

template <class I>
class ScopedService {
 public:
  explicit ScopedService(std::shared_ptr<I> replacement = nullptr)
      : saved_(ui::PlatformServices::Current().Get<I>()) {
    ui::PlatformServices::Current().Remove<I>();
    if (replacement) ui::PlatformServices::Current().Add<I>(std::move(replacement));
  }
  ~ScopedService() {
    ui::PlatformServices::Current().Remove<I>();
    if (saved_) ui::PlatformServices::Current().Add<I>(saved_);
  }
  ScopedService(const ScopedService&) = delete;
  ScopedService& operator=(const ScopedService&) = delete;

 private:
  std::shared_ptr<I> saved_;
};

}  // namespace testsupport
