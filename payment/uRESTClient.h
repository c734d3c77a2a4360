#pragma once
// A small REST request over a pluggable HTTP GET: a client holding the base
// address, a request with a resource template and URL-segment parameters, and
// a response receiving the reply. The platform registers the transport.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Guid.h"

namespace payment {

struct THttpReply {
  bool Completed = false;  // false: no connection, TLS failure, time-out, reply too large
  int StatusCode = 0;
  std::string Content;
};

class IHttpGetService {
 public:
  static constexpr ui::Guid kGuid = ui::Guid::Parse("{5B0E8C41-7A2D-4F63-9E15-2C8B6D4A7F90}");
  virtual ~IHttpGetService() = default;
  // One GET of the absolute URL, blocking until it ends; it bounds its own time and size.
  virtual THttpReply Get(const std::u16string& url) = 0;
};

class TRESTClient {
 public:
  std::u16string BaseURL;
};

class TRESTResponse {
 public:
  THttpReply Reply;
};

class TRESTRequest {
 public:
  TRESTClient* Client = nullptr;
  TRESTResponse* Response = nullptr;
  std::u16string Resource;  // "ticker/{COINCODE}/" style template
  std::function<void()> OnAfterExecute;

  // Sets the value that replaces "{name}" in the resource; a later call with the same name replaces it.
  void AddURLSegment(const std::u16string& name, const std::u16string& value);
  std::u16string FullURL() const;
  // Synchronous GET. True when a reply arrived; OnAfterExecute has then run
  // before this returns. False when the request could not be completed or no
  // transport is registered.
  bool Execute();

 private:
  std::vector<std::pair<std::u16string, std::u16string>> segments_;
};

}  // namespace payment
