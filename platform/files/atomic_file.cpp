#include "platform/files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <unistd.h>

#include "platform/base/host_error.h"
#include "platform/text/write_fence.h"

namespace platform::files {

namespace fs = std::filesystem;

namespace {

// Temporaries of this target that saves killed before their rename left behind: those
// whose process is gone. A save still running in another process keeps its own.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string pid = name.substr(prefix.size());
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t owner = static_cast<pid_t>(std::stol(pid));
    if (owner == ::getpid() || (::kill(owner, 0) != 0 && errno == ESRCH)) fs::remove(entry.path(), ec);
  }
}

}  // namespace

void WriteFileAtomically(const std::string& localPath, const std::string& displayPath,
                         const std::function<void(std::ostream&)>& write) {
  CheckWrite(localPath);
  const fs::path target(localPath);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  if (!fs::is_directory(folder, ec))
    throw HostError(HostStatus::FileError,
                    displayPath + ": folder " + folder.string() + " does not exist");
  const std::string tempPrefix = "." + target.filename().string() + ".tmp-";
  const fs::path temp = folder / (tempPrefix + std::to_string(::getpid()));
  auto fail = [&](const std::string& why) {
    fs::remove(temp, ec);
    throw HostError(HostStatus::FileError, displayPath + ": " + why + "; the previous file is unchanged");
  };
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) fail(std::string("cannot write in folder ") + folder.string() + " (" + std::strerror(errno) + ")");
    try {
      write(out);
    } catch (const std::exception& e) {
      out.close();
      fail(e.what());
    }
    out.flush();
    if (!out) fail("writing failed (disk full?)");
  }
  // Flush to disk before the rename so a crash cannot leave an empty file in place.
  int fd = ::open(temp.c_str(), O_RDONLY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) fail(std::string("cannot replace the file (") + std::strerror(errno) + ")");
  RemoveStaleTemporaries(folder, tempPrefix);
}

}  // namespace platform::files
