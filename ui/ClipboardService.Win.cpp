#include "ui/ClipboardService.Win.h"

#include <windows.h>

#include <algorithm>

#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace ui {
namespace {

// Closes the clipboard on every path once it was opened.
class OpenedClipboard {
 public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

void TWinClipboardService::SetClipboard(const std::u16string& value) {
  const std::size_t bytes = (value.size() + 1) * sizeof(char16_t);
  UniqueAny<HGLOBAL, GlobalFree, nullptr> memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return;
  auto* p = static_cast<char16_t*>(GlobalLock(memory.get()));
  if (!p) return;
  std::copy(value.begin(), value.end(), p);
  p[value.size()] = u'\0';
  GlobalUnlock(memory.get());
  OpenedClipboard clipboard;
  if (!clipboard || !EmptyClipboard()) return;
  // On success the clipboard owns the memory.
  if (SetClipboardData(CF_UNICODETEXT, memory.get())) memory.release();
}

std::u16string TWinClipboardService::GetClipboard() {
  OpenedClipboard clipboard;
  if (!clipboard) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* p = static_cast<const wchar_t*>(GlobalLock(data));
  if (!p) return {};
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  std::u16string text = U16(std::wstring_view(p, wcsnlen(p, capacity)));
  GlobalUnlock(data);
  return text;
}

}  // namespace ui
