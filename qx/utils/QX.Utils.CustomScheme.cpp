#include "qx/utils/QX.Utils.CustomScheme.h"

namespace qx::utils {
namespace {

constexpr std::u16string_view kClasses = u"SOFTWARE\\Classes\\";
constexpr std::u16string_view kApplications = u"SOFTWARE\\Classes\\Applications\\";
constexpr std::u16string_view kDefaultIcon = u"DefaultIcon\\";
constexpr std::u16string_view kOpenCommand = u"shell\\open\\command\\";
constexpr std::u16string_view kLinkArgument = u" \"%1\"";
constexpr std::u16string_view kIconIndex = u",1";
constexpr char16_t kQuote = u'"';

std::u16string FileNamePart(std::u16string_view path) {
  const auto separator = path.find_last_of(u"\\/:");
  return std::u16string(separator == std::u16string_view::npos ? path : path.substr(separator + 1));
}

std::u16string Concat(std::initializer_list<std::u16string_view> parts) {
  std::u16string text;
  for (auto p : parts) text += p;
  return text;
}

}  // namespace

std::u16string QuotedPath(std::u16string_view path) {
  std::u16string quoted(1, kQuote);
  for (char16_t c : path) {
    quoted += c;
    if (c == kQuote) quoted += kQuote;
  }
  return quoted + kQuote;
}

std::u16string OpenCommand(std::u16string_view path) { return QuotedPath(path) + std::u16string(kLinkArgument); }

std::u16string OpenCommandPath(std::u16string_view iScheme) {
  return Concat({kClasses, iScheme, u"\\", kOpenCommand});
}

std::u16string AppPathFromCommand(std::u16string_view command) {
  if (!command.ends_with(kLinkArgument)) return {};
  command.remove_suffix(kLinkArgument.size());
  if (command.size() < 2 || command.front() != kQuote || command.back() != kQuote) return std::u16string(command);
  const std::u16string_view inner = command.substr(1, command.size() - 2);
  std::u16string path;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] != kQuote) {
      path += inner[i];
    } else if (i + 1 < inner.size() && inner[i + 1] == kQuote) {
      path += kQuote;
      ++i;
    }
  }
  return path;
}

TCustomScheme::TCustomScheme(const std::u16string& iScheme, const std::u16string& iAppFullPath)
    : FScheme(iScheme),
      FAppFullPath(iAppFullPath),
      FRegSchemePath(Concat({kClasses, iScheme, u"\\"})),
      FRegAppPath(Concat({kApplications, FileNamePart(iAppFullPath), u"\\"})) {}

bool TCustomScheme::Valid() const { return !FScheme.empty() && !FileNamePart(FAppFullPath).empty(); }

std::vector<TRegWrite> TCustomScheme::RegistrationValues() const {
  const std::u16string description = u"URL:" + FScheme + u" Protocol";
  const std::u16string icon = QuotedPath(FAppFullPath) + std::u16string(kIconIndex);
  const std::u16string command = OpenCommand(FAppFullPath);
  std::vector<TRegWrite> writes;
  for (TRegRoot root : {TRegRoot::LocalMachine, TRegRoot::CurrentUser}) {
    writes.push_back({root, FRegSchemePath, u"", description});
    writes.push_back({root, FRegSchemePath, u"URL Protocol", u""});
    writes.push_back({root, FRegSchemePath + std::u16string(kDefaultIcon), u"", icon});
    writes.push_back({root, FRegSchemePath + std::u16string(kOpenCommand), u"", command});
  }
  // The per-user application key is never written.
  writes.push_back({TRegRoot::LocalMachine, FRegAppPath, u"NoOpenWith", u""});
  writes.push_back({TRegRoot::LocalMachine, FRegAppPath + std::u16string(kOpenCommand), u"", command});
  return writes;
}

}  // namespace qx::utils
