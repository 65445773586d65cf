// The host installation: UGII_BASE_DIR, the start-up folder add-ons are loaded from, and
// where a library named by its plain file name is found. The one policy for the host's
// calls and for the fabdoc command that starts it.
#pragma once
#include <string>

namespace platform {

// UGII_BASE_DIR as a host path without a trailing separator: the environment variable
// (a host path, or this machine's absolute path) or, when unset, the project's data/
// folder. HostError(NotFound) naming the value when it is not a folder.
std::string BaseDirHostPath();
// The same folder as this machine's path.
std::string BaseDirLocalPath();
// When UGII_BASE_DIR is unset, sets it to the default folder so that everything the host
// starts (the add-on's getenv) sees the same value. Returns BaseDirLocalPath().
std::string ExportBaseDir();

// The folder add-ons are loaded from (this machine's path): set by the executable that
// loads them; by default "startup" beside the running executable.
std::string StartupFolder();
void SetStartupFolder(const std::string& localPath);

// This machine's path of a library named as the add-on names it: a host path, or a
// plain file name looked for in UGII_BASE_DIR\NXBIN and then the start-up folder (".dll"
// is added to a name without extension, as Windows does). Empty when there is no such file.
std::string FindLibrary(const std::string& hostName);

// True for a library in UGII_BASE_DIR\NXBIN (this machine's path): one of the host's own
// libraries, which the running host is linked against and so never unloads.
bool IsHostLibrary(const std::string& localPath);

}  // namespace platform
