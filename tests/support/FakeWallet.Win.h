#pragma once
// The stand-in wallet (tools/fake_wallet) as tests drive it: start it, find its
// window, read what every copy logged about its command line.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/Process.Win.h"

namespace testsupport {

inline constexpr char16_t kWalletCaption[] = u"KORVALCOIN CORE KRVL WALLET ";

struct WalletLogEntry {
  DWORD pid = 0;
  bool secondary = false;  // a copy that found a running wallet and exited
  std::u16string commandLine;
  std::vector<std::u16string> args;  // as CommandLineToArgvW split it, program first
};

// Every start logged so far, in order; empty when the log does not exist.
std::vector<WalletLogEntry> ReadWalletLog(const std::u16string& logPath);

struct FakeWallet {
  Child process;
  HWND window = nullptr;  // null when no window appeared in time
};

// Starts the primary wallet with `arguments` after the quoted program path,
// logging to `logPath`; an empty `caption` keeps the wallet's own. Waits for
// its window to be visible.
FakeWallet StartFakeWallet(const std::u16string& logPath, const std::u16string& caption = {},
                           const std::u16string& arguments = {},
                           std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace testsupport
