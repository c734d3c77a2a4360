#include "support/StubPriceServer.Win.h"

#include <winsock2.h>
#include <windows.h>

#include <sstream>

#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace testsupport {
namespace {

constexpr std::chrono::seconds kStartTimeout{10};
constexpr std::chrono::seconds kStopTimeout{5};

std::u16string BaseURLOf(int port) {
  return u"http://127.0.0.1:" + ui::FromAscii(std::to_string(port)) + u"/v2/";
}

}  // namespace

StubPriceServer::StubPriceServer(const std::u16string& mode, const std::u16string& price,
                                 const std::u16string& lastUpdated) {
  child_ = StartProcess(u"\"" + BinPath(u"stub_price_server.exe") + u"\" \"" + dir_.Path() + u"\" " + mode + u" " +
                        price + u" " + lastUpdated);
  if (!child_.Started()) return;
  WaitUntil(
      [&] {
        const std::string text = ui::ToUtf8(ReadUtf8File(dir_.File(u"port.txt")));
        if (text.find('\n') == std::string::npos) return false;
        port_ = std::stoi(text);
        return true;
      },
      kStartTimeout);
}

StubPriceServer::~StubPriceServer() {
  if (child_.Started()) {
    ui::UniqueFile(CreateFileW(ui::W(dir_.File(u"stop")), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    child_.WaitExit(kStopTimeout);
    child_.Kill();
  }
}

std::u16string StubPriceServer::BaseURL() const { return BaseURLOf(port_); }

std::vector<std::string> StubPriceServer::Requests() const {
  std::vector<std::string> lines;
  std::istringstream in(ui::ToUtf8(ReadUtf8File(dir_.File(u"requests.log"))));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::u16string RefusedPriceBaseURL() {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
  int len = sizeof(addr);
  getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
  closesocket(s);  // the port was free a moment ago and nobody listens on it now
  WSACleanup();
  return BaseURLOf(ntohs(addr.sin_port));
}

}  // namespace testsupport
