#include "support/FormInspection.Win.h"

#include "ui/UniqueHandle.Win.h"
#include "ui/WinWindowHandle.Win.h"

namespace testsupport {
namespace {

constexpr UINT kReplyTimeoutMs = 5000;
constexpr wchar_t kReplyClass[] = L"KrvlInspectReply";

LRESULT CALLBACK ReplyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (msg == WM_COPYDATA) {
    const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    auto* out = reinterpret_cast<std::string*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (out && cds->dwData == ui::TWinWindowHandle::kInspectReply) {
      out->assign(static_cast<const char*>(cds->lpData), cds->cbData);
      return TRUE;
    }
    return FALSE;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

std::optional<nlohmann::json> InspectForm(HWND form) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ReplyProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kReplyClass;
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered) return std::nullopt;
  ui::UniqueWindow reply(CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
  if (!reply) return std::nullopt;
  std::string payload;
  SetWindowLongPtrW(reply.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&payload));
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(form, ui::TWinWindowHandle::InspectMessage(), reinterpret_cast<WPARAM>(reply.get()), 0,
                           SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result) ||
      payload.empty()) {
    return std::nullopt;
  }
  return nlohmann::json::parse(payload, nullptr, false);
}

nlohmann::json ControlOf(const nlohmann::json& inspection, const std::string& name) {
  for (const auto& c : inspection.at("controls")) {
    if (c.value("name", "") == name) return c;
  }
  return nullptr;
}

}  // namespace testsupport
