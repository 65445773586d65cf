// The fabdoc sub-commands. Each takes the arguments after its name, prints what it
// did, and returns the process exit code; errors are thrown and reported by main.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace fabdoc::app {

using Args = std::vector<std::string>;

int RunJournalCommand(const Args& args);   // run JOURNAL [--startup DIR]
int InfoCommand(const Args& args);         // info PART [--json]
int ImportCommand(const Args& args);       // import MODEL.step DIR [--up y|z] [--partial] [--warnings]
int ExportCommand(const Args& args);       // export PART OUT.step
int ExampleCommand(const Args& args);      // example frame DIR
int RenderCommand(const Args& args);       // render PART OUTDIR [--sheet NAME]... [--format F]
int DimensionCommand(const Args& args);    // dimension PART [--sheet NAME]...
int FlatCommand(const Args& args);         // flat PART OUTDIR
int ServeCommand(const Args& args);        // serve [PART] [--port N] [--host H] [--token T] [--record FILE] [--startup DIR]

// The exit code of an import that left out the damaged part of its file.
inline constexpr int kPartialImport = 3;

// Thrown for a wrong command line; main prints it with the usage text.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace fabdoc::app
