// `fabdoc import MODEL.step DIR [--partial]` and `fabdoc export PART OUT.step`.
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/output_folder.h"
#include "platform/files/part_file.h"
#include "platform/files/step_export.h"
#include "platform/files/step_import.h"
#include "platform/text/host_path.h"

namespace fabdoc::app {

int ImportCommand(const Args& args) {
  Args paths;
  bool soundPart = false;
  for (const auto& arg : args) {
    if (arg == "--partial") soundPart = true;
    else paths.push_back(arg);
  }
  if (paths.size() != 2)
    throw UsageError("import takes a STEP file and a folder: import MODEL.step DIR [--partial]");
  RequireWritableFolder(paths[1]);
  std::vector<std::string> notes, skipped;
  const auto written = platform::files::ImportStep(
      platform::ToAbsoluteHostPath(paths[0]), platform::ToAbsoluteHostPath(paths[1]), &notes,
      soundPart ? platform::files::DamagedStep::ImportSoundPart : platform::files::DamagedStep::Refuse, &skipped);
  for (const auto& note : notes) std::fprintf(stderr, "fabdoc: note: %s\n", note.c_str());
  for (const auto& path : written) std::printf("%s\n", platform::ToLocalPath(path).c_str());
  if (skipped.empty()) return 0;
  for (const auto& what : skipped) std::fprintf(stderr, "fabdoc: skipped: %s\n", what.c_str());
  std::fprintf(stderr, "fabdoc: partial import: %s is damaged; only its sound part was imported\n", paths[0].c_str());
  return kPartialImport;
}

int ExportCommand(const Args& args) {
  if (args.size() != 2) throw UsageError("export takes a part file and a STEP file: export PART OUT.step");
  std::vector<std::string> notes;
  platform::Part& part = platform::files::OpenPart(platform::ToAbsoluteHostPath(args[0]), &notes);
  for (const auto& note : notes) std::fprintf(stderr, "fabdoc: note: %s\n", note.c_str());
  platform::files::ExportStep(part, platform::ToAbsoluteHostPath(args[1]));
  std::printf("%s\n", args[1].c_str());
  return 0;
}

}  // namespace fabdoc::app
