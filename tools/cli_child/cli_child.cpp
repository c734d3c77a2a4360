// Child program for the command-line runner's tests. The first argument picks
// what it writes (raw bytes, no text-mode translation):
//   lines      "one\r\n" to stdout, "two\r\n" to stderr, "three" (unterminated) to stdout
//   silent     nothing
//   lf         "a\nb\nc" (bare line feeds)
//   flood KB   numbered lines "line 000000\r\n" up to KB kilobytes
//   stubborn   "pid N\r\nb\r\nc\r\n" in one write, 200 ms later "late\r\ntail",
//              then sets the event "krvl-cli-child-written-N" (manual reset;
//              it is created when missing) and runs on, never reading its input
//   until-stop "pid N\r\n", then reads its input and exits with code 7 at the
//              first stop byte (0x03)
//   cp932      "ab日本語\r\nend" in code page 932, the write split inside a
//              character with a 300 ms pause
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>

namespace {

constexpr DWORD kLateDelayMs = 200;
constexpr DWORD kSplitDelayMs = 300;
constexpr int kStoppedExitCode = 7;
constexpr int kUsageExitCode = 2;
constexpr char kStopByte = 0x03;
constexpr int kBytesPerKilobyte = 1024;
constexpr int kFloodLinesPerWrite = 64;

void Write(DWORD stream, std::string_view bytes) {
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void Out(std::string_view bytes) { Write(STD_OUTPUT_HANDLE, bytes); }

constexpr wchar_t kWrittenEventPrefix[] = L"krvl-cli-child-written-";

std::string PidLine() { return "pid " + std::to_string(GetCurrentProcessId()) + "\r\n"; }

void Flood(int kilobytes) {
  const std::size_t total = static_cast<std::size_t>(kilobytes) * kBytesPerKilobyte;
  std::size_t sent = 0;
  int number = 0;
  while (sent < total) {
    std::string chunk;
    for (int i = 0; i < kFloodLinesPerWrite; ++i) {
      char line[32];
      std::snprintf(line, sizeof(line), "line %06d\r\n", number++);
      chunk += line;
    }
    Out(chunk);
    sent += chunk.size();
  }
}

// Tells a waiting test that all output is in the pipe.
void SignalWritten() {
  const std::wstring name = kWrittenEventPrefix + std::to_wstring(GetCurrentProcessId());
  if (HANDLE event = CreateEventW(nullptr, TRUE, FALSE, name.c_str())) SetEvent(event);
}

int UntilStop() {
  Out(PidLine());
  char c = 0;
  DWORD got = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &got, nullptr) && got == 1) {
    if (c == kStopByte) return kStoppedExitCode;
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring_view mode = argc > 1 ? argv[1] : L"";
  if (mode == L"lines") {
    Out("one\r\n");
    Write(STD_ERROR_HANDLE, "two\r\n");
    Out("three");
  } else if (mode == L"silent") {
    // writes nothing
  } else if (mode == L"lf") {
    Out("a\nb\nc");
  } else if (mode == L"flood" && argc > 2) {
    Flood(_wtoi(argv[2]));
  } else if (mode == L"stubborn") {
    Out(PidLine() + "b\r\nc\r\n");
    Sleep(kLateDelayMs);
    Out("late\r\ntail");
    SignalWritten();
    Sleep(INFINITE);
  } else if (mode == L"until-stop") {
    return UntilStop();
  } else if (mode == L"cp932") {
    Out("ab\x93\xFA\x96");  // ab, 日, the lead byte of 本
    Sleep(kSplitDelayMs);
    Out("\x7B\x8C\xEA\r\nend");  // its trail byte, 語
  } else {
    return kUsageExitCode;
  }
  return 0;
}
