#include "app/Units.Win.h"

#include <iterator>

#include "payment/uRESTClient.Win.h"
#include "qx/cli/QX.CLI.Win.h"
#include "qx/utils/QX.Utils.Form.Win.h"
#include "ui/WindowsServices.Win.h"

namespace app {
namespace {

struct TUnit {
  void (*start)();
  void (*end)();  // may be null
};

// In start order.
constexpr TUnit kUnits[] = {
    {ui::RegisterWindowsServices, nullptr},
    {qx::utils::form_win::UnitStart, qx::utils::form_win::UnitEnd},
    {qx::cli::cli_win::UnitStart, nullptr},
    {payment::RegisterWinHttpGetService, nullptr},
};

int gStarted = 0;

}  // namespace

void StartUnits() {
  for (const TUnit& unit : kUnits) {
    unit.start();
    ++gStarted;
  }
}

void EndUnits() {
  while (gStarted > 0) {
    const TUnit& unit = kUnits[--gStarted];
    if (unit.end) unit.end();
  }
}

}  // namespace app
