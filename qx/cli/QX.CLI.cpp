#include "qx/cli/QX.CLI.h"

#include "ui/PlatformServices.h"

namespace qx::cli {

TCLI::TCLI() {
  if (auto factory = ui::PlatformServices::Current().Get<ICLIFactory>()) FCLI = factory->CreateCLI();
}

std::u16string TCLI::Execute(const std::u16string& iCommand) { return FCLI ? FCLI->Execute(iCommand) : u""; }

void TCLI::WhileExec(const std::u16string& iCommand, TCLIReadEvent iHandler) {
  if (FCLI) FCLI->WhileExec(iCommand, std::move(iHandler));
  else if (iHandler) iHandler(u"");
}

void TCLI::WhileBreak() {
  if (FCLI) FCLI->WhileBreak();
}

}  // namespace qx::cli
