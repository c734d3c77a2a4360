// Writes what this process sees of its command line to the UTF-8 file named by
// KRVL_PROBE_OUT, one item a line: the argument count, every argument, the
// normalised switch, then the wallet-not-running message in the language the
// locale service gives. Wine's console drops CJK, so tests read the file.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/uMessages.h"
#include "qx/utils/QX.Utils.Application.Win.h"
#include "ui/CommandLine.Win.h"
#include "ui/Text.h"
#include "ui/WinText.Win.h"
#include "ui/WindowsServices.Win.h"

int wmain() {
  const wchar_t* out = _wgetenv(L"KRVL_PROBE_OUT");
  if (!out) return 2;
  std::u16string text = ui::FromAscii(std::to_string(ui::ParamCount())) + u"\n";
  for (int i = 0; i <= ui::ParamCount(); ++i) text += ui::ParamStr(i) + u"\n";
  text += u"switch=" + qx::utils::GetCommandSwitch() + u"\n";
  ui::RegisterWindowsServices();
  text += u"message=" + app::GetMessageText(app::MSG_WALLET_NOT_RUNNING) + u"\n";
  FILE* file = _wfopen(out, L"wb");
  if (!file) return 3;
  const std::string utf8 = ui::ToUtf8(text);
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fclose(file);
  return 0;
}
