#pragma once
// The application object of the Windows host: the hidden top-level window that
// owns the forms and carries the taskbar button, the forms it created, and the
// message loop. Main thread only.
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/WindowHandle.h"

namespace ui {

class Application {
 public:
  static Application& Current();

  // Registers the window classes, starts GDI+, reads resources from the
  // executable and creates the application window. Idempotent.
  void Initialize();
  // The application window; 0 before Initialize.
  TWindowHandle Handle() const { return handle_; }
  // The first form created; null when none.
  Form* MainForm() const { return mainForm_; }
  Form* ActiveForm() const { return activeForm_; }

  // Creates a form from the named layout resource; the application owns it.
  template <class T, class... Args>
  T& CreateForm(const std::u16string& layoutResource, Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *form;
    Adopt(std::move(form), layoutResource);
    return ref;
  }

  // Shows the main form (if it may be shown) and runs the message loop until
  // Terminate; then destroys the forms and the application window. Rethrows
  // an exception that escaped an event handler.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles the messages waiting in the queue, then returns.
  void ProcessMessages();

  // Window procedures hand escaping exceptions here; the first one ends the run.
  void HandleException(std::exception_ptr error) noexcept;

  // Bookkeeping called by form windows.
  void FormShown(Form& form);
  void FormActivated(Form* form) { activeForm_ = form; }
  // Frees the form after the current event.
  void ReleaseForm(Form& form);

 private:
  Application() = default;
  void Adopt(std::unique_ptr<Form> form, const std::u16string& layoutResource);
  void DestroyForms();

  TWindowHandle handle_ = 0;
  Form* mainForm_ = nullptr;
  Form* activeForm_ = nullptr;
  std::vector<std::unique_ptr<Form>> forms_;
  bool terminated_ = false;
  bool initialized_ = false;
  std::exception_ptr error_;
  std::uintptr_t gdiplusToken_ = 0;
};

}  // namespace ui
