#pragma once
// A form: a top-level window described by a layout, holding windowless
// controls. The model (controls, focus, keyboard, mouse, painting) is
// portable; the native window is an IFormWindow made by the factory that the
// Windows host installs. Without a factory a form simply has no window.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "ui/LayoutReader.h"
#include "ui/MessageDialogService.h"
#include "ui/WindowHandle.h"

namespace ui {

class Form;
class TButton;
class TStyleBook;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TKey { Tab, Escape, Enter, Space, Other };

class IFormWindow {
 public:
  virtual ~IFormWindow() = default;
  virtual TWindowHandle Handle() const = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Runs a nested message loop until the form's ModalResult is set or it hides.
  virtual void RunModal() = 0;
  virtual void Invalidate() = 0;
  virtual void Activate() = 0;
  // The form closed with this action (hide it, free it, end the application).
  virtual void Closed(TCloseAction action) = 0;
  // Physical pixels per logical unit.
  virtual float Scale() const = 0;
};

using TFormWindowFactory = std::function<std::unique_ptr<IFormWindow>(Form&)>;
void SetFormWindowFactory(TFormWindowFactory factory);

class Form {
 public:
  Form();
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Loads the layout (its translation component activates at once), creates
  // the native window, then runs the OnCreate handler.
  void Create(const nlohmann::json& layout);
  // Runs the OnDestroy handler once and drops the native window; call before
  // deleting a form whose handlers use the derived form's members.
  void Destroy();

  const TFormSettings& Settings() const { return settings_; }
  void SetCaption(const std::u16string& caption);
  TControl& Root() { return *root_; }
  TControl* FindControl(std::u16string_view name) { return root_->FindControl(name); }
  // A control of the layout by name and kind; throws std::runtime_error when missing.
  template <class T>
  T& Component(std::u16string_view name) {
    auto* c = dynamic_cast<T*>(FindControl(name));
    if (!c) ThrowMissing(name);
    return *c;
  }
  const TStyleBook* Style() const;

  TWindowHandle Handle() const { return window_ ? window_->Handle() : 0; }
  IFormWindow* Window() const { return window_.get(); }
  float Scale() const { return window_ ? window_->Scale() : 1.0f; }

  // Asked before every show; a form that answers false stays hidden.
  virtual bool CanShow() { return true; }
  bool Visible() const { return visible_; }
  void Show();
  void Hide();
  void Close();
  TModalResult ShowModal();
  TModalResult ModalResult = mrNone;
  void Activate();

  // Handlers named in the layout; bind them before Create.
  void BindHandler(const std::u16string& name, std::function<void()> handler);
  std::function<void(TCloseAction&)> OnClose;

  // Input, in logical units, as the host reports it.
  bool KeyDown(TKey key, bool shift, double now);
  bool KeyUp(TKey key, double now);
  void MouseMove(TPointF p, double now);
  void MouseDown(TPointF p, double now);
  void MouseUp(TPointF p, double now);
  void MouseLeave(double now);

  TControl* Focused() const { return focused_; }
  void SetFocused(TControl* control);
  // Moves the focus along the tab order, wrapping around.
  void SelectNext(bool backward);
  TButton* CancelButton();

  void PaintTo(class ICanvas& canvas, double now);
  bool Animating(double now) const;
  void Invalidate();
  void Realign();

 protected:
  // Called when the layout has been read, before the OnCreate handler: the
  // place for a derived form to take its components.
  virtual void Loaded() {}

 private:
  [[noreturn]] static void ThrowMissing(std::u16string_view name);
  void RunHandler(const std::string& event);
  TControl* ControlAt(TPointF p);

  TFormSettings settings_;
  std::unique_ptr<TLayout> root_;
  std::map<std::u16string, std::function<void()>> handlers_;
  std::map<std::string, std::u16string> formEvents_;
  std::shared_ptr<TStyleBook> style_;
  std::unique_ptr<IFormWindow> window_;
  TControl* focused_ = nullptr;
  TButton* hot_ = nullptr;
  TButton* pressed_ = nullptr;
  TButton* keyPressed_ = nullptr;
  bool visible_ = false;
  bool destroyed_ = false;
  int translationListener_ = 0;
};

}  // namespace ui
