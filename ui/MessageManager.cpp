#include "ui/MessageManager.h"

#include <algorithm>

namespace ui {

TMessageManager& TMessageManager::DefaultManager() {
  static TMessageManager instance;
  return instance;
}

int TMessageManager::Add(std::type_index type, Erased listener) {
  const int id = nextId_++;
  listeners_[type].push_back({id, std::make_shared<Erased>(std::move(listener))});
  return id;
}

void TMessageManager::Unsubscribe(int id) {
  for (auto& [type, list] : listeners_) std::erase_if(list, [id](const Listener& l) { return l.id == id; });
}

void TMessageManager::Deliver(std::type_index type, const void* sender, const void* message) {
  auto found = listeners_.find(type);
  if (found == listeners_.end()) return;
  // A snapshot: listeners may change the list; one removed meanwhile is skipped.
  const std::vector<Listener> snapshot = found->second;
  for (const Listener& l : snapshot) {
    const auto& now = listeners_[type];
    const bool still = std::any_of(now.begin(), now.end(), [&](const Listener& x) { return x.id == l.id; });
    if (still) (*l.call)(sender, message);
  }
}

}  // namespace ui
