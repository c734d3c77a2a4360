#include "ui/Resources.Win.h"

#include <windows.h>

#include "ui/Resources.h"
#include "ui/WinText.Win.h"

namespace ui {

void InstallExecutableResourceReader() {
  SetResourceReader([](const std::u16string& name) -> std::optional<std::string> {
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, W(name), RT_RCDATA);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
  });
}

}  // namespace ui
