#include "qx/utils/QX.Utils.Registry.h"

namespace qx::utils {

std::u16string StripLastBackslash(std::u16string_view iPath) {
  if (iPath.ends_with(u'\\')) iPath.remove_suffix(1);
  return std::u16string(iPath);
}

std::u16string TrimRegText(std::u16string_view text) {
  constexpr char16_t kLastBlank = u' ';
  while (!text.empty() && text.front() <= kLastBlank) text.remove_prefix(1);
  while (!text.empty() && text.back() <= kLastBlank) text.remove_suffix(1);
  return std::u16string(text);
}

bool IsRootPath(std::u16string_view iPath) { return iPath.find_first_not_of(u'\\') == std::u16string_view::npos; }

}  // namespace qx::utils
