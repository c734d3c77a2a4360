#include "qx/cli/QX.CLI.Win.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

#include "qx/cli/QX.CLI.Decoder.Win.h"
#include "ui/Application.Win.h"
#include "ui/PlatformServices.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace qx::cli {
namespace {

constexpr DWORD kPollIntervalMs = 100;
constexpr DWORD kReadBufferSize = 4096;
constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr char kStopByte = 0x03;
constexpr int kMaxStopBytes = 5;
constexpr UINT kForcedExitCode = 0;
constexpr DWORD kDefaultPipeSize = 0;
constexpr std::size_t kWholePipe = std::numeric_limits<std::size_t>::max();

// Appends what the pipe holds now, at most `limit` bytes; never waits.
void ReadWaiting(HANDLE pipe, std::size_t limit, std::string& bytes) {
  DWORD waiting = 0;
  if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0) return;
  const std::size_t target = std::min<std::size_t>(waiting, limit);
  std::size_t taken = 0;
  char buffer[kReadBufferSize];
  while (taken < target) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(target - taken, kReadBufferSize));
    if (!ReadFile(pipe, buffer, want, &got, nullptr) || got == 0) break;
    bytes.append(buffer, got);
    taken += got;
  }
}

// Hands every complete line of `pending` to the handler and keeps the rest.
// False when the handler answered false for any of them.
bool DeliverLines(std::u16string& pending, const TCLIReadEvent& handler) {
  bool goOn = true;
  std::size_t start = 0;
  for (std::size_t end; (end = pending.find(kLineBreak, start)) != std::u16string::npos;
       start = end + kLineBreak.size()) {
    if (handler && !handler(pending.substr(start, end - start))) goOn = false;
  }
  pending.erase(0, start);
  return goOn;
}

// Stop bytes first, as to a console program asked to break; then the end.
void EndChild(HANDLE process, HANDLE input) {
  for (int sent = 0; sent < kMaxStopBytes; ++sent) {
    if (WaitForSingleObject(process, kPollIntervalMs) != WAIT_TIMEOUT) return;
    DWORD written = 0;
    WriteFile(input, &kStopByte, 1, &written, nullptr);
    ui::Application::Current().ProcessMessages();
  }
  if (WaitForSingleObject(process, kPollIntervalMs) == WAIT_TIMEOUT) TerminateProcess(process, kForcedExitCode);
}

}  // namespace

std::u16string TCLIWin::Execute(const std::u16string& iCommand) {
  FExecResult = std::make_unique<std::u16string>();
  ui::ScopeExit freeResult([this] { FExecResult.reset(); });
  WhileExec(iCommand, [this](const std::u16string& iLine) {
    FExecResult->append(iLine).append(kLineBreak);
    return true;
  });
  return std::move(*FExecResult);
}

void TCLIWin::WhileExec(const std::u16string& iCommand, TCLIReadEvent iHandler) {
  // Declared in the reverse of the closing order: the process and thread
  // handles first, then the input pipe's ends, then the output pipe's.
  ui::UniqueFile outputRead, outputWrite, inputWrite, inputRead;
  ui::UniqueHandle thread, process;

  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  CreatePipe(outputRead.put(), outputWrite.put(), &inheritable, kDefaultPipeSize);
  CreatePipe(inputRead.put(), inputWrite.put(), &inheritable, kDefaultPipeSize);

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = inputRead.get();
  startup.hStdOutput = outputWrite.get();
  startup.hStdError = outputWrite.get();
  std::u16string commandLine = iCommand;  // CreateProcessW may write into it
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, ui::W(commandLine), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
    return;
  process.reset(info.hProcess);
  thread.reset(info.hThread);
  FWhileBreak = false;

  TAnsiDecoder decoder;
  std::u16string pending;
  std::string bytes;
  while (WaitForSingleObject(process.get(), kPollIntervalMs) == WAIT_TIMEOUT) {
    bytes.clear();
    ReadWaiting(outputRead.get(), kReadBufferSize, bytes);
    pending += decoder.Decode(bytes);
    const bool goOn = DeliverLines(pending, iHandler);
    if (!goOn || FWhileBreak) break;
  }

  // Everything still in the pipe: a child that ended may have left more than
  // one buffer's worth behind.
  bytes.clear();
  ReadWaiting(outputRead.get(), kWholePipe, bytes);
  pending += decoder.Decode(bytes);
  pending += decoder.Finish();
  DeliverLines(pending, iHandler);
  if (!pending.empty() && iHandler) iHandler(pending);

  EndChild(process.get(), inputWrite.get());
}

void TCLIWin::WhileBreak() { FWhileBreak = true; }

std::shared_ptr<ICLI> TCLIFactoryWin::CreateCLI() { return std::make_shared<TCLIWin>(); }

namespace cli_win {

void UnitStart() { ui::PlatformServices::Current().Add<ICLIFactory>(std::make_shared<TCLIFactoryWin>()); }

}  // namespace cli_win

}  // namespace qx::cli
