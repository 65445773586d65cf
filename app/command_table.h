// The fabdoc commands as the user sees them: name, usage, one line on what each does
// and its arguments, with the function that runs it. main() dispatches through this
// table and prints every help text from it.
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "app/commands.h"

namespace fabdoc::app {

struct Command {
  const char* name;
  const char* arguments;  // after the name: "JOURNAL [--startup DIR]"
  const char* summary;    // one line: what the command does
  const char* details;    // its arguments and options, one per line
  int (*run)(const Args&);
};

std::span<const Command> Commands();
const Command* FindCommand(std::string_view name);

// `fabdoc --help`: every command's usage and summary.
std::string OverallHelp();
// `fabdoc COMMAND --help`: its usage, summary and arguments.
std::string CommandHelp(const Command& command);
// "usage: fabdoc NAME ARGUMENTS", for a command line it refused.
std::string UsageLine(const Command& command);

}  // namespace fabdoc::app
