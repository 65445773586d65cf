// `fabdoc flat PART OUTDIR`: the flat-blank DXF cutting files of a product.
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/output_folder.h"
#include "platform/files/flat_blanks.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"

namespace fabdoc::app {

int FlatCommand(const Args& args) {
  if (args.size() != 2) throw UsageError("flat takes a part file and a folder: flat PART OUTDIR");
  RequireWritableFolder(args[1]);
  std::vector<std::string> notes;
  platform::files::OpenPart(platform::ToAbsoluteHostPath(args[0]), &notes);
  for (const auto& note : notes) std::fprintf(stderr, "fabdoc: note: %s\n", note.c_str());
  int refused = 0;
  for (const auto& file : platform::files::WriteFlatBlanks(args[1])) {
    if (file.path.empty()) {
      ++refused;
      std::fprintf(stderr, "fabdoc: %s: not written: %s\n", file.drawingNumber.c_str(), file.problem.c_str());
      continue;
    }
    if (!file.problem.empty()) std::fprintf(stderr, "fabdoc: %s: %s\n", file.drawingNumber.c_str(), file.problem.c_str());
    std::printf("%s  %.1f x %.1f x %.1f mm, %d holes, %d bends\n", file.path.c_str(), file.width, file.height,
                file.thickness, file.holes, file.bends);
  }
  return refused == 0 ? 0 : 1;
}

}  // namespace fabdoc::app
