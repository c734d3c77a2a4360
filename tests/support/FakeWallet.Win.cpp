#include "support/FakeWallet.Win.h"

#include <nlohmann/json.hpp>

#include "ui/Text.h"

namespace testsupport {

std::vector<WalletLogEntry> ReadWalletLog(const std::u16string& logPath) {
  std::vector<WalletLogEntry> entries;
  const std::string text = ui::ToUtf8(ReadUtf8File(logPath));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const auto json = nlohmann::json::parse(text.substr(start, end - start));
    WalletLogEntry entry;
    entry.pid = json.at("pid").get<DWORD>();
    entry.secondary = json.at("role").get<std::string>() == "secondary";
    entry.commandLine = ui::FromUtf8(json.at("commandLine").get<std::string>());
    for (const auto& arg : json.at("args")) entry.args.push_back(ui::FromUtf8(arg.get<std::string>()));
    entries.push_back(std::move(entry));
    start = end + 1;
  }
  return entries;
}

FakeWallet StartFakeWallet(const std::u16string& logPath, const std::u16string& caption,
                           const std::u16string& arguments, std::chrono::milliseconds timeout) {
  std::u16string commandLine = u"\"" + BinPath(u"fake_wallet.exe") + u"\"";
  if (!arguments.empty()) commandLine += u" " + arguments;
  FakeWallet wallet;
  wallet.process = StartProcess(commandLine, {{u"KRVL_FAKE_WALLET_LOG", logPath},
                                              {u"KRVL_FAKE_WALLET_CAPTION", caption}});
  if (wallet.process.Started()) wallet.window = WaitForVisibleWindow(wallet.process.Pid(), L"KrvlFakeWallet", timeout);
  return wallet;
}

}  // namespace testsupport
