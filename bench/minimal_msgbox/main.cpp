// The yardstick of the start-up benchmarks: the least a Win32 program does to
// show one message box.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"Set up remittance information on Wallet", L"bench", MB_YESNO | MB_ICONQUESTION);
  return 0;
}
