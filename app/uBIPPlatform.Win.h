#pragma once
// The Windows side of what the dispatcher reaches through IBIPPlatform.
#include <memory>

#include "payment/uBIP.Dispatch.h"

namespace app {

std::shared_ptr<payment::IBIPPlatform> CreateBIPPlatform();

}  // namespace app
