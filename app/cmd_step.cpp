// `fabdoc import MODEL.step DIR [--up y|z] [--partial] [--warnings]` and `fabdoc export PART OUT.step`.
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
  bool soundPart = false, listWarnings = false;
  auto up = platform::files::UpAxis::Z;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--partial") {
      soundPart = true;
    } else if (arg == "--warnings") {
      listWarnings = true;
    } else if (arg == "--up") {
      const std::string axis = i + 1 < args.size() ? args[++i] : std::string();
      if (axis == "y" || axis == "Y") up = platform::files::UpAxis::Y;
      else if (axis != "z" && axis != "Z")
        throw UsageError("--up takes the axis that points up in the file: y or z, not \"" + axis + "\"");
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2)
    throw UsageError("import takes a STEP file and a folder: import MODEL.step DIR [--up y|z] [--partial] [--warnings]");
  RequireWritableFolder(paths[1]);
  const auto imported = platform::files::ImportStep(
      platform::ToAbsoluteHostPath(paths[0]), platform::ToAbsoluteHostPath(paths[1]),
      soundPart ? platform::files::DamagedStep::ImportSoundPart : platform::files::DamagedStep::Refuse, up);
  for (const auto& note : imported.notes) std::fprintf(stderr, "fabdoc: note: %s\n", note.c_str());
  for (const auto& warning : imported.warnings) std::fprintf(stderr, "fabdoc: warning: %s\n", warning.c_str());
  if (listWarnings)
    for (const auto& warning : imported.checkWarnings)
      std::fprintf(stderr, "fabdoc: load check: %s\n", warning.c_str());
  else if (!imported.checkWarnings.empty())
    std::fprintf(stderr,
                 "fabdoc: note: the translator's load check flagged %zu entities written without a value "
                 "no shape needs (first: %s); imported all the same, --warnings lists them\n",
                 imported.checkWarnings.size(), imported.checkWarnings.front().c_str());
  for (const auto& path : imported.written) std::printf("%s\n", platform::ToLocalPath(path).c_str());
  if (imported.skipped.empty()) return 0;
  for (const auto& what : imported.skipped) std::fprintf(stderr, "fabdoc: skipped: %s\n", what.c_str());
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
