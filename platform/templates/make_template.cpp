// Build tool: writes the platform's part templates, empty millimetre parts, into the
// folder given (data/templates, where new parts look them up).
//   make_template FOLDER
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/base/host_error.h"
#include "platform/files/part_file.h"
#include "platform/files/part_template.h"
#include "platform/text/host_path.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_template FOLDER\n");
    return 1;
  }
  try {
    std::filesystem::create_directories(argv[1]);
    const std::string local = (std::filesystem::path(argv[1]) / platform::files::kModelTemplateName).string();
    platform::Part part(platform::ToAbsoluteHostPath(local));
    platform::files::SavePart(part, part.path);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_template: %s\n", e.what());
    return 1;
  }
  return 0;
}
