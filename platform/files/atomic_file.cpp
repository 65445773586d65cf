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
#include "platform/base/stale_temporaries.h"

namespace platform::files {

namespace fs = std::filesystem;

void WriteFileAtomically(const std::string& localPath, const std::string& displayPath,
                         const std::function<void(std::ostream&)>& write,
                         const std::function<void(const std::string&)>& verify, StaleTemporaries stale) {
  CheckWrite(localPath);
  const fs::path target(localPath);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  if (!fs::is_directory(folder, ec))
    throw HostError(HostStatus::FileError,
                    displayPath + ": folder " + folder.string() + " does not exist");
  const fs::path temp = TemporaryBeside(target);
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
  if (verify) {
    try {
      verify(temp.string());
    } catch (const std::exception& e) {
      fail(e.what());
    }
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) fail(std::string("cannot replace the file (") + std::strerror(errno) + ")");
  if (stale == StaleTemporaries::Remove) RemoveStaleTemporaries(target);
}

}  // namespace platform::files
