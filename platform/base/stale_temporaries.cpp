#include "platform/base/stale_temporaries.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string Prefix(const fs::path& target) { return "." + target.filename().string() + ".tmp-"; }

}  // namespace

fs::path TemporaryBeside(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  return folder / (Prefix(target) + std::to_string(::getpid()));
}

void RemoveStaleTemporaries(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string prefix = Prefix(target);
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    std::string rest = name.substr(prefix.size());
    // A library's own temporary beside ours: six characters after a dot.
    if (const auto dot = rest.find('.'); dot != std::string::npos) {
      if (rest.size() - dot - 1 != 6) continue;
      rest.resize(dot);
    }
    if (rest.empty() || rest.size() > 9 || rest.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t owner = static_cast<pid_t>(std::stol(rest));
    if (owner == ::getpid() || (::kill(owner, 0) != 0 && errno == ESRCH)) fs::remove(entry.path(), ec);
  }
}

}  // namespace platform
