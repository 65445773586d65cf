// Build tool: writes the sheet templates (A3_zong.prt, A3_bujian.prt, A4_nj.prt) into
// the folder given (data/kzt-1/bom, where the add-on looks for them).
//   make_sheet_templates FOLDER
#include <cstdio>
#include <filesystem>

#include "platform/text/host_path.h"
#include "platform/files/part_file.h"
#include "platform/templates/sheet_templates.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sheet_templates FOLDER\n");
    return 1;
  }
  try {
    std::filesystem::create_directories(argv[1]);
    int count = 0;
    const auto* formats = platform::templates::SheetFormats(&count);
    for (int i = 0; i < count; ++i) {
      const std::string local = (std::filesystem::path(argv[1]) / formats[i].fileName).string();
      platform::Part part(platform::ToAbsoluteHostPath(local));
      platform::templates::DrawSheetTemplate(part, formats[i]);
      platform::files::SavePart(part, part.path);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_sheet_templates: %s\n", e.what());
    return 1;
  }
  return 0;
}
