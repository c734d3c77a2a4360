#pragma once
// Runs a command line as a hidden child process and hands its output over line
// by line. Callers use the facade TCLI; a platform unit registers its factory.
#include <functional>
#include <memory>
#include <string>

#include "ui/Guid.h"

namespace qx::cli {

// One line of output, without its line break; answers true to go on.
using TCLIReadEvent = std::function<bool(const std::u16string& iLine)>;

class ICLI {
 public:
  static constexpr ui::Guid kGuid = ui::Guid::Parse("{450FE702-9DD3-400E-A30C-BECFCE96AB01}");
  virtual ~ICLI() = default;
  // Every line of the output, each followed by CR LF.
  virtual std::u16string Execute(const std::u16string& iCommand) = 0;
  // An empty handler reads and discards the output.
  virtual void WhileExec(const std::u16string& iCommand, TCLIReadEvent iHandler) = 0;
  // From within a handler: ends the run after the current batch of lines.
  virtual void WhileBreak() = 0;
};

class ICLIFactory {
 public:
  static constexpr ui::Guid kGuid = ui::Guid::Parse("{8C07187D-8A98-404C-85BB-717A8A16A44E}");
  virtual ~ICLIFactory() = default;
  virtual std::shared_ptr<ICLI> CreateCLI() = 0;
};

class TCLIFactory : public ICLIFactory {
 public:
  std::shared_ptr<ICLI> CreateCLI() override = 0;
};

class TCLI {
 public:
  TCLI();
  TCLI(const TCLI&) = delete;
  TCLI& operator=(const TCLI&) = delete;

  // Empty text without a platform.
  std::u16string Execute(const std::u16string& iCommand);
  // Without a platform the handler is called once with an empty line.
  void WhileExec(const std::u16string& iCommand, TCLIReadEvent iHandler);
  void WhileBreak();

 private:
  std::shared_ptr<ICLI> FCLI;
};

}  // namespace qx::cli
