#pragma once
// The stub price server (tools/stub_price_server) driven from a test: started
// on 127.0.0.1 with a behaviour, asked for its base address and the request
// lines it saw, always stopped on destruction.
#include <string>
#include <vector>

#include "support/Process.Win.h"

namespace testsupport {

class StubPriceServer {
 public:
  // mode: ok, nolastupdated, unknown, html, empty, hang; price is JSON number text.
  explicit StubPriceServer(const std::u16string& mode, const std::u16string& price = u"2.5",
                           const std::u16string& lastUpdated = u"1531008000");
  ~StubPriceServer();
  StubPriceServer(const StubPriceServer&) = delete;
  StubPriceServer& operator=(const StubPriceServer&) = delete;

  bool Started() const { return port_ != 0; }
  // "http://127.0.0.1:PORT/v2/"
  std::u16string BaseURL() const;
  std::vector<std::string> Requests() const;

 private:
  TempDir dir_;
  Child child_;
  int port_ = 0;
};

// A base address on 127.0.0.1 where nothing listens: connections are refused.
std::u16string RefusedPriceBaseURL();

}  // namespace testsupport
