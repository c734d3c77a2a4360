#pragma once
// The Windows runner: a hidden child with its standard output and error on one
// pipe, polled every 100 ms, and ended with stop bytes or, at last, terminated.
#include <memory>

#include "qx/cli/QX.CLI.h"

namespace qx::cli {

class TCLIWin final : public ICLI {
 public:
  std::u16string Execute(const std::u16string& iCommand) override;
  void WhileExec(const std::u16string& iCommand, TCLIReadEvent iHandler) override;
  void WhileBreak() override;

 private:
  // Exists only while Execute runs.
  std::unique_ptr<std::u16string> FExecResult;
  bool FWhileBreak = false;
};

class TCLIFactoryWin final : public TCLIFactory {
 public:
  std::shared_ptr<ICLI> CreateCLI() override;
};

namespace cli_win {
// Registers the factory.
void UnitStart();
}  // namespace cli_win

}  // namespace qx::cli
