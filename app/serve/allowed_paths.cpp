#include "app/serve/allowed_paths.h"

#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/write_fence.h"

namespace fabdoc::app::serve {

namespace fs = std::filesystem;

fs::path AllowedPath(const std::vector<fs::path>& folders, const std::string& userPath) {
  if (userPath.empty()) throw PathRefused("no file was named");
  fs::path path = userPath.find('\\') != std::string::npos ? fs::path(platform::ToLocalPath(platform::text::ToGbk(userPath))) : fs::path(userPath);
  if (path.is_relative()) path = folders.at(0) / path;
  std::error_code ec;
  const fs::path resolved = fs::weakly_canonical(path, ec);
  if (!ec)
    for (const fs::path& folder : folders)
      if (platform::IsInside(fs::weakly_canonical(folder, ec), resolved)) return resolved;
  std::string allowed;
  for (const fs::path& folder : folders) allowed += (allowed.empty() ? "" : ", ") + folder.string();
  throw PathRefused(userPath + " is outside the folders this server may use (" + allowed + "); nothing was done");
}

}  // namespace fabdoc::app::serve
