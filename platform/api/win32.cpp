// windows.h: library loading over dlopen, the shell's "open", file deletion.
#include <windows.h>

#include <dlfcn.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <filesystem>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"
#include "platform/text/host_environment.h"
#include "platform/text/host_path.h"
#include "platform/text/write_fence.h"
#include "platform/text/shown_path.h"
#include "platform/ui/messages.h"

using namespace platform;

extern char** environ;

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;

DWORD ErrorOf(int err) {
  switch (err) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR: return ERROR_ACCESS_DENIED;
  }
  return ERROR_INVALID_PARAMETER;
}
}  // namespace

extern "C" {

DWORD GetLastError(void) { return lastError; }
void SetLastError(DWORD dwErrCode) { lastError = dwErrCode; }

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
  if (!lpLibFileName || !*lpLibFileName) {
    lastError = ERROR_INVALID_PARAMETER;
    return nullptr;
  }
  std::string local;
  try {
    local = FindLibrary(lpLibFileName);
  } catch (const HostError&) {
    local.clear();  // an unmapped drive or a name without a GBK form: no such library
  }
  if (local.empty()) {
    lastError = ERROR_MOD_NOT_FOUND;
    return nullptr;
  }
  void* handle = dlopen(local.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    std::string reason = dlerror();
    try {
      reason = text::ToGbk(reason);
    } catch (const HostError&) {
      // Shown as it is; the log converts what it can.
    }
    ui::WriteSyslog("LoadLibraryA: " + reason + "\n");
    lastError = ERROR_MOD_NOT_FOUND;
    return nullptr;
  }
  lastError = ERROR_SUCCESS;
  return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (!hModule || !lpProcName) {
    lastError = ERROR_INVALID_PARAMETER;
    return nullptr;
  }
  void* symbol = dlsym(static_cast<void*>(hModule), lpProcName);
  lastError = symbol ? ERROR_SUCCESS : ERROR_PROC_NOT_FOUND;
  return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE hLibModule) {
  if (!hLibModule || dlclose(static_cast<void*>(hLibModule)) != 0) {
    lastError = ERROR_INVALID_PARAMETER;
    return FALSE;
  }
  return TRUE;
}

namespace {

// With a desktop (DISPLAY or WAYLAND_DISPLAY set) "open" goes on to xdg-open, which
// returns once the file manager has it; headless the printed line is all. False when
// the desktop could not take it.
bool HandToDesktop(LPCSTR operation, LPCSTR file) {
  const bool desktop = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  const bool opening = !operation || !*operation || std::string(operation) == "open";
  if (!desktop || !opening) return true;
  const std::string local = ToLocalPath(file);
  char* const argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(local.c_str()), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                        INT nShowCmd) {
  constexpr intptr_t kOpened = 42;  // any value above 32 means success
  if (!lpFile) return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(SE_ERR_FNF));
  try {
    std::error_code ec;
    if (!std::filesystem::exists(ToLocalPath(lpFile), ec))
      return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(SE_ERR_FNF));
  } catch (const HostError&) {
    return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(SE_ERR_PNF));
  }
  std::printf("shell: %s %s\n", lpOperation && *lpOperation ? lpOperation : "open", ShownPath(lpFile).c_str());
  std::fflush(stdout);
  if (!HandToDesktop(lpOperation, lpFile)) return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(SE_ERR_NOASSOC));
  return reinterpret_cast<HINSTANCE>(kOpened);
}

BOOL DeleteFileA(LPCSTR lpFileName) {
  try {
    if (!lpFileName) throw HostError(HostStatus::InvalidArgument, "no file name");
    const std::string local = ToLocalPath(lpFileName);
    CheckWrite(local);
    std::error_code ec;
    // Windows refuses folders and read-only files alike.
    struct stat info{};
    if (std::filesystem::is_directory(local, ec) || (::stat(local.c_str(), &info) == 0 && !(info.st_mode & S_IWUSR))) {
      lastError = ERROR_ACCESS_DENIED;
      return FALSE;
    }
    if (::unlink(local.c_str()) != 0) {
      lastError = ErrorOf(errno);
      return FALSE;
    }
    lastError = ERROR_SUCCESS;
    return TRUE;
  } catch (const HostError&) {
    lastError = ERROR_PATH_NOT_FOUND;
    return FALSE;
  }
}

}  // extern "C"
