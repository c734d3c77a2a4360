#include "qx/utils/QX.Utils.Application.Win.h"

#include <windows.h>

#include <vector>

#include "qx/utils/QX.Utils.Application.h"
#include "ui/CommandLine.Win.h"
#include "ui/WinText.Win.h"

namespace qx::utils {

namespace {

const std::u16string kUnknownVersion = u"unknown";

// The locale the system reported for the main thread when the program started.
const LCID kStartThreadLocale = GetThreadLocale();

std::u16string LowerCase(const std::u16string& text) {
  if (text.empty()) return text;
  constexpr DWORD kFlags = LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING;
  const int length = static_cast<int>(text.size());
  const int needed = LCMapStringW(kStartThreadLocale, kFlags, ui::W(text), length, nullptr, 0);
  if (needed <= 0) return text;
  std::u16string lowered(static_cast<std::size_t>(needed), u'\0');
  const int written = LCMapStringW(kStartThreadLocale, kFlags, ui::W(text), length, ui::W(lowered), needed);
  if (written <= 0) return text;
  lowered.resize(static_cast<std::size_t>(written));
  return lowered;
}

}  // namespace

std::u16string GetApplicationPath(const ui::Application&) { return ui::ParamStr(0); }

std::u16string GetApplicationVersion(const ui::Application& application) {
  return GetFileProductVersion(GetApplicationPath(application));
}

std::u16string GetFileProductVersion(const std::u16string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(ui::W(path), &ignored);
  if (size == 0) return kUnknownVersion;
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(ui::W(path), 0, size, block.data())) return kUnknownVersion;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || info == nullptr ||
      infoSize < sizeof(VS_FIXEDFILEINFO)) {
    return kUnknownVersion;
  }
  return FormatProductVersion(info->dwProductVersionMS, info->dwProductVersionLS);
}

std::u16string NormalizeSwitch(const std::u16string& argument) { return StripSwitchPrefixes(LowerCase(argument)); }

std::u16string GetCommandSwitch() { return NormalizeSwitch(ui::ParamStr(1)); }

}  // namespace qx::utils
