#pragma once
// Temporary files an atomic save leaves when it is killed before its rename: ".NAME.tmp-PID"
// beside the target, and ".NAME.tmp-PID.XXXXXX" where a library (libzip) writes its own
// temporary beside that one.
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// The temporary a save of `target` by this process writes.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target);

// Removes the temporaries of `target` whose process is gone (or is this one, whose save
// has ended); a save still running in another process keeps its own.
void RemoveStaleTemporaries(const std::filesystem::path& target);
// The same for many targets, reading each of their folders once.
void RemoveStaleTemporaries(const std::vector<std::filesystem::path>& targets);

}  // namespace platform
