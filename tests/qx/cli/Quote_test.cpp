#include "qx/cli/QX.CLI.Quote.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qx/cli/HostileArguments.h"
#include "support/CommandLineSplit.h"
#include "ui/Text.h"

namespace {

using quotecases::HostileArguments;
using quotecases::kProgram;

TEST(Quote, EveryArgumentComesBackWhole) {
  for (const auto& link : HostileArguments()) {
    const std::u16string line = qx::cli::BuildCommandLine(kProgram, {link});
    const auto args = testsupport::SplitLikeWindows(line);
    ASSERT_EQ(args.size(), 2u) << ui::ToUtf8(line);
    EXPECT_EQ(args[0], kProgram);
    EXPECT_EQ(args[1], link) << ui::ToUtf8(line);
  }
}

TEST(Quote, SeveralArgumentsStayApart) {
  const std::vector<std::u16string> args = {u"a b", u"", u"c\\", u"\"d\""};
  auto split = testsupport::SplitLikeWindows(qx::cli::BuildCommandLine(u"p.exe", args));
  ASSERT_EQ(split.size(), 5u);
  split.erase(split.begin());
  EXPECT_EQ(split, args);
}

TEST(Quote, PlainTextIsOnlyWrappedInQuotes) {
  EXPECT_EQ(qx::cli::QuoteArgument(u"korvalcoin:ADDR?amount=1.5"), u"\"korvalcoin:ADDR?amount=1.5\"");
  EXPECT_EQ(qx::cli::QuoteArgument(u"a\\b"), u"\"a\\b\"");
  EXPECT_EQ(qx::cli::BuildCommandLine(u"C:\\w.exe", {u"x"}), u"\"C:\\w.exe\" \"x\"");
}

}  // namespace
