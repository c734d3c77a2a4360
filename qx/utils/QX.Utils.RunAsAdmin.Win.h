#pragma once
// Starting a program, or this executable, with administrator rights.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace qx::utils {

// True when the program was started. A refused elevation prompt or a failed
// start gives false and shows nothing.
bool RunAsAdmin(const std::u16string& file, const std::u16string& parameters, bool show);
bool RunSelfAsAdmin(const std::u16string& parameters, bool show);

// The system calls RunAsAdmin goes through, replaceable so tests can watch
// the requests without starting anything.
struct RunAsAdminApi {
  bool (*isVistaOrLater)();
  BOOL(WINAPI* shellExecuteEx)(SHELLEXECUTEINFOW*);
  UINT(WINAPI* winExec)(LPCSTR, UINT);
};
const RunAsAdminApi& SystemRunAsAdminApi();
bool RunAsAdmin(const RunAsAdminApi& api, const std::u16string& file, const std::u16string& parameters, bool show);

}  // namespace qx::utils
