#pragma once
// The native window of a form. Bound to its form at WM_NCCREATE; paints the
// form's model with GDI+ into a back buffer; turns mouse and keys into the
// model's input. Its scale is read from the window itself unless a
// class-wide forced scale is set.
#include <windows.h>

#include "ui/Form.h"

namespace ui {

// The window class of every form window; programs that look for our forms from
// outside (tests, benchmarks) find them by it.
inline constexpr wchar_t kFormWindowClass[] = L"KrvlForm";

class TWinWindowHandle : public IFormWindow {
 public:
  explicit TWinWindowHandle(Form& form);
  ~TWinWindowHandle() override;

  TWindowHandle Handle() const override { return reinterpret_cast<TWindowHandle>(hwnd_); }
  HWND Wnd() const { return hwnd_; }
  Form& GetForm() const { return form_; }
  void Show() override;
  void Hide() override;
  void RunModal() override;
  void Invalidate() override;
  void Activate() override;
  void Closed(TCloseAction action) override;
  float Scale() const override;
  // Takes the (forced) scale anew: the window is resized for it and repainted.
  void ScaleChanged();

  // Class-wide: every window then reports this scale. Values below 1 count
  // as 1; once set it is never unset.
  static void SetForcedScale(float scale);
  static float ForcedScale();

  // The form of a native window; null for windows that are not forms.
  static Form* FormOf(HWND hwnd);
  // Registered window message a test sends (wParam: the reply window) to
  // receive the controls as JSON through WM_COPYDATA.
  static UINT InspectMessage();
  static constexpr ULONG_PTR kInspectReply = 0x4B52564C;  // "KRVL"

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint();
  void ApplySize(bool center);
  TPointF Logical(LPARAM lParam) const;
  void TrackAnimation();

  Form& form_;
  HWND hwnd_ = nullptr;
  UINT dpi_;
  bool tracking_ = false;
  bool animating_ = false;
  bool placed_ = false;
  int modalDepth_ = 0;
  bool freeAfterModal_ = false;
};

}  // namespace ui
