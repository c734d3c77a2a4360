#pragma once
// Window operations that differ by platform: find and raise windows, hide the
// taskbar button, and minimise/restore notifications for a form. Callers use
// the facade TFormUtils; a platform unit registers its factory at start.
#include <functional>
#include <memory>
#include <string>

#include "ui/Guid.h"
#include "ui/WindowHandle.h"

// windows.h makes FindWindow a macro; the operation keeps its own name.
#undef FindWindow

namespace ui {
class Form;
}

namespace qx::utils {

// Told true when the watched form's window was minimised, false when restored.
using TFormStateNotifyProc = std::function<void(bool iMinimized)>;

class IFormUtils {
 public:
  static constexpr ui::Guid kGuid = ui::Guid::Parse("{C7D3C846-1FA8-47E7-B0D4-F94D0022A85A}");
  virtual ~IFormUtils() = default;
  virtual ui::TWindowHandle FindWindow(const std::u16string& iCaption) = 0;
  virtual void HideTaskbar() = 0;
  virtual void ShowTaskbar() = 0;
  virtual void BringToFront() = 0;
  virtual void BringToFront(ui::TWindowHandle iWnd) = 0;
  virtual void RegistMinimizeProc(ui::Form* iForm, TFormStateNotifyProc iProc) = 0;
};

class IFormUtilsFactory {
 public:
  static constexpr ui::Guid kGuid = ui::Guid::Parse("{17320B02-74E5-4C1B-A64F-122FCD2EE896}");
  virtual ~IFormUtilsFactory() = default;
  virtual std::shared_ptr<IFormUtils> CreateFormUtils() = 0;
};

class TFormUtilsFactory : public IFormUtilsFactory {
 public:
  std::shared_ptr<IFormUtils> CreateFormUtils() override = 0;
};

class TFormUtils {
 public:
  TFormUtils();
  TFormUtils(const TFormUtils&) = delete;
  TFormUtils& operator=(const TFormUtils&) = delete;

  // 0 when no top-level window has that caption, or without a platform.
  ui::TWindowHandle FindWindow(const std::u16string& iCaption);
  void HideTaskbar();
  void ShowTaskbar();
  // Raises the application's main form.
  void BringToFront();
  void BringToFront(ui::TWindowHandle iWnd);
  // A null form or an empty procedure turns the notification off.
  void RegisterMinimizeProc(ui::Form* iForm, TFormStateNotifyProc iProc);

 private:
  std::shared_ptr<IFormUtils> FFormUtils;
};

}  // namespace qx::utils
