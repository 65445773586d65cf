// A folder of the benchmark process's own under the temporary folder, emptied when made
// and removed when dropped: two runs at the same time do not write over each other.
#pragma once
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace fabdoc_bench {

class ScratchDir {
public:
  explicit ScratchDir(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

}  // namespace fabdoc_bench
