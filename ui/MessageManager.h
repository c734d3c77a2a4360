#pragma once
// Publish/subscribe by message type. Listeners get the sender and the message;
// a listener may subscribe or unsubscribe others (itself included) while a
// message is being delivered.
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace ui {

class Form;

// Sent each time a form's native window has been created.
struct TAfterCreateFormHandle {
  Form* form = nullptr;
};

// Sent when the translation dictionary has been replaced.
struct TTranslationChanged {};

class TMessageManager {
 public:
  static TMessageManager& DefaultManager();

  template <class M>
  int SubscribeToMessage(std::function<void(const void* sender, const M& message)> listener) {
    return Add(typeid(M), [listener = std::move(listener)](const void* sender, const void* message) {
      listener(sender, *static_cast<const M*>(message));
    });
  }
  void Unsubscribe(int id);

  template <class M>
  void SendMessage(const void* sender, const M& message) {
    Deliver(typeid(M), sender, &message);
  }

 private:
  using Erased = std::function<void(const void*, const void*)>;
  struct Listener {
    int id;
    std::shared_ptr<Erased> call;
  };
  int Add(std::type_index type, Erased listener);
  void Deliver(std::type_index type, const void* sender, const void* message);

  std::map<std::type_index, std::vector<Listener>> listeners_;
  int nextId_ = 1;
};

}  // namespace ui
