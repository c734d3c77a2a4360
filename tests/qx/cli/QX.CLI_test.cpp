#include "qx/cli/QX.CLI.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/ScopedService.h"

namespace qx::cli {
namespace {

struct FakeCLI : ICLI {
  std::vector<std::u16string> commands;
  int breaks = 0;
  std::u16string Execute(const std::u16string& iCommand) override {
    commands.push_back(iCommand);
    return u"out\r\n";
  }
  void WhileExec(const std::u16string& iCommand, TCLIReadEvent iHandler) override {
    commands.push_back(iCommand);
    if (iHandler) iHandler(u"line");
  }
  void WhileBreak() override { ++breaks; }
};

struct FakeFactory : TCLIFactory {
  std::shared_ptr<FakeCLI> cli = std::make_shared<FakeCLI>();
  std::shared_ptr<ICLI> CreateCLI() override { return cli; }
};

// A handler that keeps the lines and gives the same answer to each.
TCLIReadEvent Collect(std::vector<std::u16string>& lines, bool answer) {
  return [&lines, answer](const std::u16string& iLine) {
    lines.push_back(iLine);
    return answer;
  };
}

TEST(CLIFacade, WithoutFactoryGivesNothingButOneEmptyLine) {
  testsupport::ScopedService<ICLIFactory> none;
  TCLI cli;
  EXPECT_EQ(cli.Execute(u"prog.exe"), u"");
  std::vector<std::u16string> lines;
  cli.WhileExec(u"prog.exe", Collect(lines, false));
  EXPECT_EQ(lines, std::vector<std::u16string>{u""});
  cli.WhileExec(u"prog.exe", nullptr);
  cli.WhileBreak();
}

TEST(CLIFacade, ForwardsToTheImplementation) {
  auto factory = std::make_shared<FakeFactory>();
  testsupport::ScopedService<ICLIFactory> registered(factory);
  TCLI cli;
  EXPECT_EQ(cli.Execute(u"a.exe"), u"out\r\n");
  std::vector<std::u16string> lines;
  cli.WhileExec(u"b.exe x", Collect(lines, true));
  cli.WhileBreak();
  EXPECT_EQ(factory->cli->commands, (std::vector<std::u16string>{u"a.exe", u"b.exe x"}));
  EXPECT_EQ(lines, std::vector<std::u16string>{u"line"});
  EXPECT_EQ(factory->cli->breaks, 1);
}

}  // namespace
}  // namespace qx::cli
