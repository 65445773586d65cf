#include "app/serve/written_files.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace fabdoc::app::serve {
namespace {

namespace fs = std::filesystem;

// A product folder holds a few hundred files; a folder far larger is not walked whole.
constexpr size_t kMaxEntries = 50000;

bool Deliverable(const fs::path& path) {
  static const std::array<std::string, 4> kinds = {".xlsx", ".dwg", ".dxf", ".pdf"};
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  const std::string name = path.filename().string();
  return !name.starts_with(".") && std::find(kinds.begin(), kinds.end(), extension) != kinds.end();
}

}  // namespace

FileSnapshot FileSnapshot::Take(const fs::path& folder) {
  FileSnapshot snapshot;
  std::error_code ec;
  size_t seen = 0;
  for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
       !ec && it != end && ++seen < kMaxEntries; it.increment(ec)) {
    if (!it->is_regular_file(ec) || !Deliverable(it->path())) continue;
    const auto size = it->file_size(ec);
    const auto time = it->last_write_time(ec);
    if (!ec) snapshot.files_[fs::relative(it->path(), folder, ec).string()] = {size, time};
  }
  return snapshot;
}

std::vector<std::string> FileSnapshot::WrittenSince(const FileSnapshot& before) const {
  std::vector<std::string> written;
  for (const auto& [path, stamp] : files_) {
    const auto old = before.files_.find(path);
    if (old == before.files_.end() || old->second != stamp) written.push_back(path);
  }
  return written;
}

}  // namespace fabdoc::app::serve
