#pragma once
// Facts about the running executable and its first argument (Windows part).
// The application object is taken for the callers' sake; nothing is read from it.
#include <string>

namespace ui {
class Application;
}

namespace qx::utils {

// Full path of the running executable (argument 0).
std::u16string GetApplicationPath(const ui::Application& application);
// Product version of the running executable as "1.0.3", or "unknown".
std::u16string GetApplicationVersion(const ui::Application& application);
// Product version of any file as "1.0.3", or "unknown" when it has none.
std::u16string GetFileProductVersion(const std::u16string& path);

// Argument 1 lower-cased with the thread's locale at start, without leading "-" and "/".
std::u16string GetCommandSwitch();
// The same normalisation for any argument.
std::u16string NormalizeSwitch(const std::u16string& argument);

}  // namespace qx::utils
