// A stand-in for the price service on 127.0.0.1, for tests.
//   stub_price_server.exe <folder> <mode> [price] [last_updated]
// Modes: ok (quote of the requested code with the price text as given, e.g. 2.5
// or 5), nolastupdated, unknown (quotes lack the requested code), html, empty,
// hang (accepts, reads, never answers).
// Writes the port to <folder>\port.txt, appends each request line to
// <folder>\requests.log and ends when <folder>\stop exists.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/Text.h"
#include "ui/WinText.Win.h"

namespace {

constexpr int kPollMs = 50;
constexpr int kRequestReadMs = 2000;
constexpr std::size_t kRequestMaxBytes = 16 * 1024;

struct Options {
  std::wstring folder;
  std::string mode;
  std::string price = "2.5";
  std::string lastUpdated = "1531008000";
};

class Socket {
 public:
  explicit Socket(SOCKET s = INVALID_SOCKET) : s_(s) {}
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  Socket(Socket&& o) noexcept : s_(o.s_) { o.s_ = INVALID_SOCKET; }
  ~Socket() {
    if (s_ != INVALID_SOCKET) closesocket(s_);
  }
  SOCKET get() const { return s_; }

 private:
  SOCKET s_;
};

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void AppendLine(const std::wstring& path, const std::string& line) {
  if (FILE* f = _wfopen(path.c_str(), L"ab")) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

void WritePortFile(const std::wstring& folder, int port) {
  const std::wstring tmp = folder + L"\\port.tmp";
  if (FILE* f = _wfopen(tmp.c_str(), L"wb")) {
    std::fprintf(f, "%d\n", port);
    std::fclose(f);
  }
  MoveFileExW(tmp.c_str(), (folder + L"\\port.txt").c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::string ReadRequest(SOCKET s) {
  std::string data;
  const ULONGLONG end = GetTickCount64() + kRequestReadMs;
  while (data.find("\r\n\r\n") == std::string::npos && data.size() < kRequestMaxBytes && GetTickCount64() < end) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv{0, kPollMs * 1000};
    if (select(0, &set, nullptr, nullptr, &tv) <= 0) continue;
    char buf[2048];
    const int n = recv(s, buf, sizeof(buf), 0);
    if (n <= 0) break;
    data.append(buf, static_cast<std::size_t>(n));
  }
  return data;
}

std::string RequestedCode(const std::string& requestLine) {
  const std::string key = "convert=";
  const auto at = requestLine.find(key);
  if (at == std::string::npos) return {};
  const auto end = requestLine.find_first_of(" &", at);
  return requestLine.substr(at + key.size(), end == std::string::npos ? std::string::npos : end - at - key.size());
}

std::string Reply(const Options& o, const std::string& code) {
  std::string status = "200 OK";
  std::string type = "application/json";
  std::string body;
  const std::string quote = "{\"price\":" + o.price + ",\"volume_24h\":12.5}";
  if (o.mode == "ok") {
    body = R"({"data":{"id":2931,"name":"x","quotes":{")" + code + "\":" + quote +
           R"(},"last_updated":)" + o.lastUpdated + "},\"metadata\":{\"error\":null}}";
  } else if (o.mode == "nolastupdated") {
    body = R"({"data":{"id":2931,"quotes":{")" + code + "\":" + quote + "}}}";
  } else if (o.mode == "unknown") {
    body = R"({"data":{"id":2931,"quotes":{"USD":)" + quote + R"(},"last_updated":)" + o.lastUpdated + "}}";
  } else if (o.mode == "html") {
    status = "502 Bad Gateway";
    type = "text/html";
    body = "<html><head><title>502</title></head><body>Bad gateway</body></html>";
  }
  return "HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

void SendAll(SOCKET s, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

int Serve(const Options& o) {
  Socket listener(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (listener.get() == INVALID_SOCKET) return 2;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (bind(listener.get(), reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) return 2;
  if (listen(listener.get(), SOMAXCONN) != 0) return 2;
  int len = sizeof(addr);
  getsockname(listener.get(), reinterpret_cast<sockaddr*>(&addr), &len);
  WritePortFile(o.folder, ntohs(addr.sin_port));

  const std::wstring log = o.folder + L"\\requests.log";
  const std::wstring stop = o.folder + L"\\stop";
  std::vector<Socket> held;  // "hang" keeps its connections open and silent
  while (!FileExists(stop)) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(listener.get(), &set);
    timeval tv{0, kPollMs * 1000};
    if (select(0, &set, nullptr, nullptr, &tv) <= 0) continue;
    Socket client(accept(listener.get(), nullptr, nullptr));
    if (client.get() == INVALID_SOCKET) continue;
    const std::string request = ReadRequest(client.get());
    const std::string line = request.substr(0, request.find("\r\n"));
    AppendLine(log, line);
    if (o.mode == "hang") {
      held.push_back(std::move(client));
      continue;
    }
    SendAll(client.get(), Reply(o, RequestedCode(line)));
    shutdown(client.get(), SD_SEND);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fputs("usage: stub_price_server <folder> <mode> [price] [last_updated]\n", stderr);
    return 1;
  }
  Options o;
  o.folder = argv[1];
  o.mode = ui::ToUtf8(ui::U16(argv[2]));
  if (argc > 3) o.price = ui::ToUtf8(ui::U16(argv[3]));
  if (argc > 4) o.lastUpdated = ui::ToUtf8(ui::U16(argv[4]));
  WSADATA wsa;
  if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 2;
  const int rc = Serve(o);
  WSACleanup();
  return rc;
}
