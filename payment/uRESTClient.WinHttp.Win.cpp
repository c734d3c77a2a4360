// WinHTTP lives alone in this file: winhttp.h and wininet.h clash.
#include <windows.h>
#include <winhttp.h>

#include "payment/uRESTClient.Win.h"
#include "ui/PlatformServices.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace payment {
namespace {

inline void CloseInternetIgnore(HINTERNET h) { ::WinHttpCloseHandle(h); }
using UniqueInternet = ui::UniqueAny<HINTERNET, CloseInternetIgnore, nullptr>;

constexpr wchar_t kUserAgent[] = L"krvl-scheme";

class TWinHttpGetService final : public IHttpGetService {
 public:
  TWinHttpGetService(std::chrono::milliseconds deadline, std::size_t maxBytes)
      : deadline_(deadline), maxBytes_(maxBytes) {}

  THttpReply Get(const std::u16string& url) override {
    THttpReply reply;
    const auto end = std::chrono::steady_clock::now() + deadline_;
    // Every blocking call gets only the time left, so the calls together end by the deadline.
    const auto armed = [&](HINTERNET h) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
      if (left <= 0) return false;
      const int ms = static_cast<int>(left);
      DWORD responseMs = static_cast<DWORD>(ms);
      // The wait for the response headers has its own time-out beside the four of WinHttpSetTimeouts.
      return WinHttpSetTimeouts(h, ms, ms, ms, ms) &&
             WinHttpSetOption(h, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseMs, sizeof(responseMs));
    };

    std::u16string urlCopy = url;
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(ui::W(urlCopy), 0, 0, &parts)) return reply;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return reply;
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);

    UniqueInternet session(
        WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return reply;
    UniqueInternet connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) return reply;
    UniqueInternet request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                              WINHTTP_DEFAULT_ACCEPT_TYPES,
                                              parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
    if (!request) return reply;
    if (!armed(request.get()) ||
        !WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0)) {
      return reply;
    }
    if (!armed(request.get()) || !WinHttpReceiveResponse(request.get(), nullptr)) return reply;

    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
      return reply;
    }
    std::string body;
    for (;;) {
      DWORD available = 0;
      if (!armed(request.get()) || !WinHttpQueryDataAvailable(request.get(), &available)) return reply;
      if (available == 0) break;
      if (body.size() + available > maxBytes_) return reply;
      const std::size_t at = body.size();
      body.resize(at + available);
      DWORD read = 0;
      if (!armed(request.get()) || !WinHttpReadData(request.get(), body.data() + at, available, &read)) return reply;
      body.resize(at + read);
      if (read == 0) break;
    }
    if (std::chrono::steady_clock::now() > end) return reply;
    reply.Completed = true;
    reply.StatusCode = static_cast<int>(status);
    reply.Content = std::move(body);
    return reply;
  }

 private:
  std::chrono::milliseconds deadline_;
  std::size_t maxBytes_;
};

}  // namespace

std::shared_ptr<IHttpGetService> CreateWinHttpGetService(std::chrono::milliseconds deadline, std::size_t maxBytes) {
  return std::make_shared<TWinHttpGetService>(deadline, maxBytes);
}

void RegisterWinHttpGetService() { ui::PlatformServices::Current().Add<IHttpGetService>(CreateWinHttpGetService()); }

}  // namespace payment
