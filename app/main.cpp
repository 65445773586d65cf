// fabdoc: runs the host headless.
#include <cstdio>
#include <exception>
#include <string>

#include "app/commands.h"

namespace {

const char* kUsage =
    "usage: fabdoc run JOURNAL [--startup DIR]\n"
    "       fabdoc info PART [--json]\n"
    "       fabdoc import MODEL.step DIR [--partial]\n"
    "       fabdoc export PART OUT.step\n"
    "       fabdoc example frame DIR\n"
    "       fabdoc render PART OUTDIR [--sheet NAME]... [--format pdf|svg|png]\n"
    "       fabdoc dimension PART [--sheet NAME]...\n"
    "       fabdoc flat PART OUTDIR\n"
    "       fabdoc serve [PART] [--port N] [--host ADDRESS] [--record JOURNAL] [--startup DIR]\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace fabdoc::app;
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string command = argv[1];
  Args args(argv + 2, argv + argc);
  try {
    if (command == "run") return RunJournalCommand(args);
    if (command == "info") return InfoCommand(args);
    if (command == "import") return ImportCommand(args);
    if (command == "export") return ExportCommand(args);
    if (command == "example") return ExampleCommand(args);
    if (command == "render") return RenderCommand(args);
    if (command == "dimension") return DimensionCommand(args);
    if (command == "flat") return FlatCommand(args);
    if (command == "serve") return ServeCommand(args);
    if (command == "--help" || command == "help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    throw UsageError("unknown command \"" + command + "\"");
  } catch (const UsageError& e) {
    std::fprintf(stderr, "fabdoc: %s\n%s", e.what(), kUsage);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fabdoc: error: %s\n", e.what());
    return 1;
  }
}
