// The quoting rule read back through the system's own splitter.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "qx/cli/HostileArguments.h"
#include "qx/cli/QX.CLI.Quote.h"
#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

using quotecases::HostileArguments;
using quotecases::kProgram;

std::vector<std::u16string> CommandLineToArgs(const std::u16string& line) {
  int count = 0;
  ui::UniqueLocal argv(reinterpret_cast<HLOCAL>(CommandLineToArgvW(ui::W(line), &count)));
  std::vector<std::u16string> args;
  const auto* list = reinterpret_cast<wchar_t**>(argv.get());
  for (int i = 0; list && i < count; ++i) args.push_back(ui::U16(list[i]));
  return args;
}

TEST(QuoteWin, CommandLineToArgvWGivesBackTheLink) {
  for (const auto& link : HostileArguments()) {
    const auto args = CommandLineToArgs(qx::cli::BuildCommandLine(kProgram, {link}));
    ASSERT_EQ(args.size(), 2u) << ui::ToUtf8(link);
    EXPECT_EQ(args[0], kProgram);
    EXPECT_EQ(args[1], link);
  }
}

}  // namespace
