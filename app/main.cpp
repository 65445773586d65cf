// fabdoc: runs the host headless.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include <Standard_Failure.hxx>

#include "app/command_table.h"
#include "app/version.h"

namespace {

using namespace fabdoc::app;

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  return 0;
}

int Refuse(const std::string& problem, const std::string& help) {
  std::fprintf(stderr, "fabdoc: %s\n%s", problem.c_str(), help.c_str());
  return 2;
}

int Run(const Command& command, const Args& args) {
  if (std::any_of(args.begin(), args.end(), IsHelp)) return Print(CommandHelp(command));
  try {
    return command.run(args);
  } catch (const UsageError& e) {
    return Refuse(e.what(), UsageLine(command) + "`fabdoc " + command.name + " --help` describes the arguments.\n");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fabdoc: error: %s\n", e.what());
    return 1;
  } catch (const Standard_Failure& e) {
    // Commands name their file where they can; this is the last stop before an abort.
    const std::string file = args.empty() ? command.name : args.front();
    std::fprintf(stderr, "fabdoc: error: %s: the modeller failed: %s\n", file.c_str(), e.GetMessageString());
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Refuse("no command given", OverallHelp());
  const std::string name = argv[1];
  const Args args(argv + 2, argv + argc);
  if (name == "--version") return Print(VersionText());
  if (IsHelp(name) || name == "help") {
    if (args.empty()) return Print(OverallHelp());
    const Command* topic = FindCommand(args[0]);
    return topic ? Print(CommandHelp(*topic)) : Refuse("no command \"" + args[0] + "\"", OverallHelp());
  }
  const Command* command = FindCommand(name);
  if (!command) return Refuse("unknown command \"" + name + "\"", OverallHelp());
  return Run(*command, args);
}
