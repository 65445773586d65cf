#include "platform/text/host_environment.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

#ifndef FABDOC_SOURCE_DIR
#error "the platform is compiled with FABDOC_SOURCE_DIR, the project's folder"
#endif

namespace platform {
namespace fs = std::filesystem;

namespace {
std::string& StartupOverride() {
  static std::string folder;
  return folder;
}

std::string DefaultBaseDir() { return std::string(FABDOC_SOURCE_DIR) + "/data"; }

std::string TrimSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}
}  // namespace

std::string BaseDirHostPath() {
  const char* value = std::getenv("UGII_BASE_DIR");
  std::string hostPath;
  if (!value || !*value) {
    hostPath = ToHostPath(DefaultBaseDir());
  } else if (value[0] == '/') {
    hostPath = ToHostPath(value);  // this machine's path, UTF-8
  } else {
    hostPath = text::ToGbk(value);  // a host path written in the environment as UTF-8
  }
  hostPath = TrimSeparators(hostPath);
  std::error_code ec;
  if (!fs::is_directory(ToLocalPath(hostPath), ec))
    throw HostError(HostStatus::NotFound,
                    std::string("UGII_BASE_DIR \"") + (value && *value ? value : text::ToUtf8Lossy(hostPath)) +
                        "\" is not a folder; set UGII_BASE_DIR to the host installation folder");
  return hostPath;
}

std::string BaseDirLocalPath() { return ToLocalPath(BaseDirHostPath()); }

std::string ExportBaseDir() {
  const char* value = std::getenv("UGII_BASE_DIR");
  if (!value || !*value) setenv("UGII_BASE_DIR", DefaultBaseDir().c_str(), 1);
  return BaseDirLocalPath();
}

std::string StartupFolder() {
  if (!StartupOverride().empty()) return StartupOverride();
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("startup") : (exe.parent_path() / "startup").string();
}

void SetStartupFolder(const std::string& localPath) { StartupOverride() = localPath; }

std::string FindLibrary(const std::string& hostName) {
  std::string name = hostName;
  const std::string fileName = HostFileName(name);
  if (fileName.find('.') == std::string::npos) name += ".dll";
  std::error_code ec;
  if (name.find('\\') != std::string::npos || name.find('/') != std::string::npos ||
      (name.size() > 1 && name[1] == ':')) {
    const std::string local = ToLocalPath(name);
    return fs::is_regular_file(local, ec) ? local : std::string();
  }
  std::vector<std::string> candidates;
  try {
    candidates.push_back(ToLocalPath(BaseDirHostPath() + "\\NXBIN\\" + name));
  } catch (const HostError&) {
    // No installation folder: only the start-up folder is searched.
  }
  candidates.push_back((fs::path(StartupFolder()) / text::ToUtf8(name)).string());
  for (const auto& candidate : candidates)
    if (fs::is_regular_file(candidate, ec)) return candidate;
  return {};
}

bool IsHostLibrary(const std::string& localPath) {
  std::error_code ec;
  try {
    return fs::equivalent(fs::path(localPath).parent_path(), ToLocalPath(BaseDirHostPath() + "\\NXBIN"), ec);
  } catch (const HostError&) {
    return false;  // no installation folder: no library is the host's own
  }
}

}  // namespace platform
