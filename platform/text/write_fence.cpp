#include "platform/text/write_fence.h"

#include <filesystem>

#include "platform/base/host_error.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

struct Fence {
  std::vector<fs::path> folders;  // resolved when set
  std::function<void(const std::string&)> refused;
};

Fence& TheFence() {
  static Fence fence;
  return fence;
}

}  // namespace

bool IsInside(const fs::path& folder, const fs::path& path) {
  auto f = folder.begin(), p = path.begin();
  for (; f != folder.end(); ++f, ++p) {
    if (f->empty()) continue;  // a trailing separator
    if (p == path.end() || *f != *p) return false;
  }
  return true;
}

void SetWriteFence(std::vector<std::string> localFolders, std::function<void(const std::string&)> refused) {
  Fence fence;
  for (const std::string& folder : localFolders) fence.folders.push_back(fs::weakly_canonical(fs::absolute(folder)));
  fence.refused = std::move(refused);
  TheFence() = std::move(fence);
}

void CheckWrite(const std::string& localPath) {
  const Fence& fence = TheFence();
  if (fence.folders.empty()) return;
  std::error_code ec;
  const fs::path resolved = fs::weakly_canonical(fs::absolute(localPath, ec), ec);
  if (!ec)
    for (const fs::path& folder : fence.folders)
      if (IsInside(folder, resolved)) return;
  std::string allowed;
  for (const fs::path& folder : fence.folders) allowed += (allowed.empty() ? "" : ", ") + folder.string();
  const std::string message =
      localPath + (ec ? "" : " (" + resolved.string() + ")") + " is outside the folder this session may write in (" +
      allowed + "); nothing was written there";
  if (fence.refused) fence.refused(message);
  throw HostError(HostStatus::FileError, message);
}

}  // namespace platform
