// `fabdoc dimension PART [--sheet NAME]...`: automatic dimensions on the part's sheets
// (all, or those named), made again; the part is saved when a sheet changed. A sheet that
// fails is named with the reason on standard error and the exit code is 1; the others
// are still dimensioned and saved.
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/drafting/dimension_run.h"
#include "platform/files/part_file.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace fabdoc::app {

int DimensionCommand(const Args& args) {
  std::string partPath;
  std::vector<std::string> sheets;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--sheet") {
      if (i + 1 == args.size()) throw UsageError("--sheet needs a sheet name");
      sheets.push_back(platform::text::ToGbk(args[++i]));
    } else if (partPath.empty()) {
      partPath = args[i];
    } else {
      throw UsageError("dimension takes one part file: dimension PART [--sheet NAME]...");
    }
  }
  if (partPath.empty()) throw UsageError("dimension needs a part file: dimension PART [--sheet NAME]...");
  std::vector<std::string> notes;
  platform::Part& part = platform::files::OpenPart(platform::ToAbsoluteHostPath(partPath), &notes);
  for (const auto& note : notes) std::fprintf(stderr, "fabdoc: note: %s\n", note.c_str());
  const platform::drafting::DimensionRunReport report = platform::drafting::DimensionSheets(part, sheets);
  for (const std::string& line : report.done) std::printf("%s\n", line.c_str());
  for (const std::string& line : report.failed) std::fprintf(stderr, "fabdoc: error: %s\n", line.c_str());
  if (report.changed > 0) platform::files::SavePart(part, part.path);
  return report.failed.empty() ? 0 : 1;
}

}  // namespace fabdoc::app
