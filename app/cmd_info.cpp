// `fabdoc info PART [--json]`: what a part holds.
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/info/part_report.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"

namespace fabdoc::app {

int InfoCommand(const Args& args) {
  std::string path;
  bool asJson = false;
  for (const auto& arg : args) {
    if (arg == "--json") asJson = true;
    else if (path.empty()) path = arg;
    else throw UsageError("info takes one part file, got also \"" + arg + "\"");
  }
  if (path.empty()) throw UsageError("info needs a part file");
  std::vector<std::string> notes;
  platform::Part& part = platform::files::OpenPart(platform::ToAbsoluteHostPath(path), &notes);
  for (const auto& note : notes) std::fprintf(stderr, "fabdoc: note: %s\n", note.c_str());
  const auto report = PartReport(part);
  const std::string out = asJson ? report.dump(2) + "\n" : PartReportText(report);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace fabdoc::app
