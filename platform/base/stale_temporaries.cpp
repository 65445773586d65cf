#include "platform/base/stale_temporaries.h"

#include <cerrno>
#include <csignal>
#include <map>
#include <set>
#include <string_view>
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

void RemoveStaleTemporaries(const fs::path& target) { RemoveStaleTemporaries(std::vector<fs::path>{target}); }

void RemoveStaleTemporaries(const std::vector<fs::path>& targets) {
  // A folder's listing is read once for all its targets: saving a product's thousands of
  // parts into one folder would otherwise read it once for each.
  std::map<fs::path, std::set<std::string>> prefixes;
  for (const fs::path& target : targets)
    prefixes[target.has_parent_path() ? target.parent_path() : fs::path(".")].insert(Prefix(target));
  constexpr std::string_view kMark = ".tmp-";
  for (const auto& [folder, wanted] : prefixes) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
      const std::string name = entry.path().filename().string();
      // What follows the last mark is a process id, so that mark ends the prefix.
      const auto mark = name.rfind(kMark);
      if (name.empty() || name.front() != '.' || mark == std::string::npos) continue;
      if (!wanted.count(name.substr(0, mark + kMark.size()))) continue;
      std::string rest = name.substr(mark + kMark.size());
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
}

}  // namespace platform
