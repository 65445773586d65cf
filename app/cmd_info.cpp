// `fabdoc info PART [--json]`: what a part holds.
#include <cstdio>

#include "app/commands.h"
#include "app/info/part_report.h"
#include "platform/files/host_path.h"
#include "platform/files/part_file.h"

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
  platform::Part& part = platform::files::OpenPart(platform::ToAbsoluteHostPath(path));
  const auto report = PartReport(part);
  const std::string out = asJson ? report.dump(2) + "\n" : PartReportText(report);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace fabdoc::app
