#pragma once
// The WinHTTP transport of the REST request.
#include <chrono>
#include <cstddef>
#include <memory>

#include "payment/uRESTClient.h"

namespace payment {

// A stuck service must not hang the tool: the whole GET (connect, send,
// receive) ends by this deadline and then counts as not completed.
inline constexpr std::chrono::milliseconds kHttpGetDeadline{5000};
inline constexpr std::size_t kHttpReplyMaxBytes = 1 << 20;

std::shared_ptr<IHttpGetService> CreateWinHttpGetService(std::chrono::milliseconds deadline = kHttpGetDeadline,
                                                         std::size_t maxBytes = kHttpReplyMaxBytes);

// Registers the WinHTTP transport with the platform services (at start).
void RegisterWinHttpGetService();

}  // namespace payment
