// Keeping one older version of a part file that batch creation is about to make again.
#pragma once
#include <string>

namespace kzt {

// When `path` is among the files under `folder`, renames it to `oldPath`, replacing an
// older `oldPath`. When that fails, warns the user naming `path` and returns false: the
// new part must not be made then.
bool keep_previous_version(const std::string& folder, const std::string& path, const std::string& oldPath);

}  // namespace kzt
