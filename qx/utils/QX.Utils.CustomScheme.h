#pragma once
// Registration of a URI scheme: the machine-wide and per-user class keys that
// declare it, and the command that opens its links with our executable.
#include <string>
#include <string_view>
#include <vector>

namespace qx::utils {

enum class TRegRoot { LocalMachine, CurrentUser };

struct TRegWrite {
  TRegRoot root;
  std::u16string path;
  std::u16string name;  // empty: the key's default value
  std::u16string data;
};

class TCustomScheme {
 public:
  TCustomScheme(const std::u16string& iScheme, const std::u16string& iAppFullPath);

  // The ten values, in the order they are written.
  std::vector<TRegWrite> RegistrationValues() const;
  // An empty scheme or file name would name every class or application: such
  // an object registers, tests and removes nothing.
  bool Valid() const;

  // Writes the ten values, stopping at the first failure (nothing is undone).
  bool Register() const;
  // The scheme key under both roots and the machine-wide application key.
  bool Registered() const;
  // Deletes the three key trees, stopping at the first that stays.
  bool Unregister() const;
  // The executable registered for a scheme under the machine-wide classes.
  static std::u16string GetAppPath(const std::u16string& iScheme);

  const std::u16string& Scheme() const { return FScheme; }
  const std::u16string& AppFullPath() const { return FAppFullPath; }
  const std::u16string& RegSchemePath() const { return FRegSchemePath; }
  const std::u16string& RegAppPath() const { return FRegAppPath; }

 private:
  std::u16string FScheme;
  std::u16string FAppFullPath;
  std::u16string FRegSchemePath;
  std::u16string FRegAppPath;
};

// "path" in double quotes, inner double quotes doubled.
std::u16string QuotedPath(std::u16string_view path);
// The quoted path, a space and "%1" in quotes: the link arrives whole as argument 1.
std::u16string OpenCommand(std::u16string_view path);
// The key path of a scheme's open command.
std::u16string OpenCommandPath(std::u16string_view iScheme);
// The executable of an open command; empty when the command does not end
// with the link argument.
std::u16string AppPathFromCommand(std::u16string_view command);

}  // namespace qx::utils
