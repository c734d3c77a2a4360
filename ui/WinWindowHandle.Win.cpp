#include "ui/WinWindowHandle.Win.h"

#include <windowsx.h>

#include <chrono>
#include <cmath>
#include "ui/Gdiplus.Win.h"
#include <vector>

#include "ui/Application.Win.h"
#include "ui/Dpi.Win.h"
#include "ui/FormInspection.h"
#include "ui/GdiplusCanvas.Win.h"
#include "ui/WinText.Win.h"

namespace ui {
namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationFrameMs = 15;
float gForcedScale = 0;

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

DWORD StyleOf(const TFormSettings& s) {
  switch (s.BorderStyle) {
    case TFormBorderStyle::None:
      return WS_POPUP;
    case TFormBorderStyle::Single:
    case TFormBorderStyle::Sizeable: {
      DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
      if (s.BorderIcons & biSystemMenu) style |= WS_SYSMENU;
      if (s.BorderIcons & biMinimize) style |= WS_MINIMIZEBOX;
      if (s.BorderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
      if (s.BorderStyle == TFormBorderStyle::Sizeable) style |= WS_THICKFRAME;
      return style;
    }
  }
  return WS_OVERLAPPEDWINDOW;
}

TKey KeyOf(WPARAM vk) {
  switch (vk) {
    case VK_TAB: return TKey::Tab;
    case VK_ESCAPE: return TKey::Escape;
    case VK_RETURN: return TKey::Enter;
    case VK_SPACE: return TKey::Space;
    default: return TKey::Other;
  }
}

}  // namespace

TWinWindowHandle::TWinWindowHandle(Form& form) : form_(form), dpi_(kDefaultDpi) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &TWinWindowHandle::WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = kFormWindowClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  const auto& s = form.Settings();
  HWND owner = reinterpret_cast<HWND>(Application::Current().Handle());
  CreateWindowExW(0, kFormWindowClass, W(s.Caption), StyleOf(s), CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd_) {
    dpi_ = DpiOfWindow(hwnd_);
    ApplySize(s.Placement == TFormPosition::ScreenCenter);
  }
}

TWinWindowHandle::~TWinWindowHandle() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

float TWinWindowHandle::Scale() const {
  return gForcedScale > 0 ? gForcedScale : static_cast<float>(dpi_) / static_cast<float>(kDefaultDpi);
}

void TWinWindowHandle::SetForcedScale(float scale) { gForcedScale = scale < 1.0f ? 1.0f : scale; }
float TWinWindowHandle::ForcedScale() { return gForcedScale; }

Form* TWinWindowHandle::FormOf(HWND hwnd) {
  if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&TWinWindowHandle::WndProc)) {
    return nullptr;
  }
  auto* self = reinterpret_cast<TWinWindowHandle*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? &self->form_ : nullptr;
}

UINT TWinWindowHandle::InspectMessage() {
  static const UINT message = RegisterWindowMessageW(L"KrvlInspectForm");
  return message;
}

void TWinWindowHandle::ApplySize(bool center) {
  const TSizeF client = form_.Settings().ClientSize;
  const float scale = Scale();
  RECT r{0, 0, static_cast<LONG>(std::ceil(client.Width * scale)), static_cast<LONG>(std::ceil(client.Height * scale))};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
  AdjustWindowRectForDpi(r, style, exStyle, static_cast<UINT>(scale * kDefaultDpi));
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  int x = 0;
  int y = 0;
  if (center) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
    x = mi.rcWork.left + (mi.rcWork.right - mi.rcWork.left - width) / 2;
    y = mi.rcWork.top + (mi.rcWork.bottom - mi.rcWork.top - height) / 2;
  } else if (form_.Settings().Placement == TFormPosition::Designed) {
    x = static_cast<int>(form_.Settings().Position.X * scale);
    y = static_cast<int>(form_.Settings().Position.Y * scale);
  } else {
    flags |= SWP_NOMOVE;
  }
  SetWindowPos(hwnd_, nullptr, x, y, width, height, flags);
}

void TWinWindowHandle::ScaleChanged() {
  ApplySize(false);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void TWinWindowHandle::Show() {
  if (!hwnd_) return;
  Application::Current().FormShown(form_);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void TWinWindowHandle::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void TWinWindowHandle::Activate() {
  if (hwnd_) SetActiveWindow(hwnd_);
}

void TWinWindowHandle::Invalidate() {
  if (!hwnd_) return;
  InvalidateRect(hwnd_, nullptr, FALSE);
  TrackAnimation();
}

void TWinWindowHandle::TrackAnimation() {
  const bool need = form_.Animating(Now());
  if (need && !animating_) SetTimer(hwnd_, kAnimationTimer, kAnimationFrameMs, nullptr);
  if (!need && animating_) KillTimer(hwnd_, kAnimationTimer);
  animating_ = need;
}

void TWinWindowHandle::RunModal() {
  Application& app = Application::Current();
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  // The other forms of the application are disabled meanwhile.
  struct Collect {
    HWND self;
    std::vector<HWND> windows;
  } collect{hwnd_, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) noexcept -> BOOL {
        auto* c = reinterpret_cast<Collect*>(p);
        if (w != c->self && IsWindowVisible(w) && IsWindowEnabled(w) && FormOf(w)) c->windows.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&collect));
  const std::vector<HWND>& disabled = collect.windows;
  for (HWND w : disabled) EnableWindow(w, FALSE);
  ++modalDepth_;
  MSG msg;
  while (form_.ModalResult == mrNone && form_.Visible() && !app.Terminated() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  --modalDepth_;
  for (HWND w : disabled) EnableWindow(w, TRUE);
  if (owner) SetActiveWindow(owner);
  if (freeAfterModal_) app.ReleaseForm(form_);
}

void TWinWindowHandle::Closed(TCloseAction action) {
  Application& app = Application::Current();
  if (&form_ == app.MainForm()) {
    form_.Hide();
    app.Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caMinimize:
      ShowWindow(hwnd_, SW_MINIMIZE);
      break;
    case TCloseAction::caFree:
      form_.Hide();
      if (modalDepth_ > 0) freeAfterModal_ = true;
      else app.ReleaseForm(form_);
      break;
    default:
      form_.Hide();
      break;
  }
}

TPointF TWinWindowHandle::Logical(LPARAM lParam) const {
  const float scale = Scale();
  return {static_cast<float>(GET_X_LPARAM(lParam)) / scale, static_cast<float>(GET_Y_LPARAM(lParam)) / scale};
}

void TWinWindowHandle::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.right > 0 && client.bottom > 0) {
    Gdiplus::Bitmap buffer(client.right, client.bottom, PixelFormat32bppPARGB);
    {
      Gdiplus::Graphics g(&buffer);
      TGdiplusCanvas canvas(g, Scale());
      form_.PaintTo(canvas, Now());
    }
    Gdiplus::Graphics screen(dc);
    screen.DrawImage(&buffer, 0, 0);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK TWinWindowHandle::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    if (msg == WM_NCCREATE) {
      auto* self = static_cast<TWinWindowHandle*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      if (self) {
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      }
    }
    auto* self = reinterpret_cast<TWinWindowHandle*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self) return self->Handle(msg, wParam, lParam);
  } catch (...) {
    Application::Current().HandleException(std::current_exception());
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT TWinWindowHandle::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const double now = Now();
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      if (wParam == kAnimationTimer) Invalidate();
      return 0;
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd_, 0};
        tracking_ = TrackMouseEvent(&tme) != FALSE;
      }
      form_.MouseMove(Logical(lParam), now);
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      form_.MouseLeave(now);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(hwnd_);
      form_.MouseDown(Logical(lParam), now);
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      form_.MouseUp(Logical(lParam), now);
      return 0;
    case WM_KEYDOWN:
      if (form_.KeyDown(KeyOf(wParam), GetKeyState(VK_SHIFT) < 0, now)) return 0;
      break;
    case WM_KEYUP:
      if (form_.KeyUp(KeyOf(wParam), now)) return 0;
      break;
    case WM_CLOSE:
      form_.Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) Application::Current().FormActivated(&form_);
      break;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      break;
    default:
      if (msg == InspectMessage() && IsWindow(reinterpret_cast<HWND>(wParam))) {
        const std::string json = DescribeForm(form_);
        COPYDATASTRUCT cds{kInspectReply, static_cast<DWORD>(json.size()), const_cast<char*>(json.data())};
        SendMessageW(reinterpret_cast<HWND>(wParam), WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd_),
                     reinterpret_cast<LPARAM>(&cds));
        return 1;
      }
      break;
  }
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace ui
