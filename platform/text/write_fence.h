// Where the host may write files. Without a fence (the default) it writes wherever the
// file system lets it, as the real host does; `fabdoc serve` fences its session into the
// product folder, so that no value typed into a dialog makes the host write elsewhere.
#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Writes must then lie inside one of `localFolders` once links and ".." are resolved;
// an empty list lifts the fence. `refused` is told each refusal's message (UTF-8).
void SetWriteFence(std::vector<std::string> localFolders, std::function<void(const std::string&)> refused = {});

// Throws HostError(FileError) naming the file and the folders allowed when a fence is set
// and `localPath` (relative: to the working folder) lies outside it.
void CheckWrite(const std::string& localPath);

// True when `path` is `folder` or lies below it (both absolute and normal).
bool IsInside(const std::filesystem::path& folder, const std::filesystem::path& path);

}  // namespace platform
