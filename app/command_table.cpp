#include "app/command_table.h"

#include <algorithm>

namespace fabdoc::app {
namespace {

constexpr Command kCommands[] = {
    {"run", "JOURNAL [--startup DIR]",
     "start the host with its add-ons and run a journal of menu actions and dialog input",
     "  JOURNAL        the journal to run (docs/journal.md); a wrong line stops it, naming the line\n"
     "  --startup DIR  load the add-ons of DIR instead of the folder startup/ beside fabdoc\n",
     RunJournalCommand},
    {"info", "PART [--json]", "print what a part file holds: bodies, attributes, components, sheets, views, notes",
     "  PART    the part file (.prt)\n"
     "  --json  print it as JSON (docs/info.md) instead of text\n",
     InfoCommand},
    {"import", "MODEL.step DIR [--up y|z] [--partial] [--warnings]", "read a STEP assembly into part files, one per component",
     "  MODEL.step  the STEP file to read\n"
     "  DIR         the folder the part files are written to\n"
     "  --up y|z    the model's up axis; y turns a Y-up model so that Z is up (default z)\n"
     "  --partial   import the sound part of a damaged file instead of refusing it (exit code 3)\n"
     "  --warnings  list each entity the load check warned of, with its line\n",
     ImportCommand},
    {"export", "PART OUT.step", "write a part and its components to one STEP file",
     "  PART      the part file (.prt)\n"
     "  OUT.step  the STEP file to write\n",
     ExportCommand},
    {"example", "frame DIR", "write the example product's part files into a folder",
     "  frame  the example product: a welded frame with sub-assemblies (docs/example-product.md)\n"
     "  DIR    the folder the part files are written to\n",
     ExampleCommand},
    {"render", "PART OUTDIR [--sheet NAME]... [--format pdf|svg|png]",
     "draw a part's drawing sheets to PDF, SVG or PNG files",
     "  PART          the part file (.prt) holding the sheets\n"
     "  OUTDIR        the folder the drawings are written to\n"
     "  --sheet NAME  draw only this sheet; repeat for more (default: every sheet)\n"
     "  --format F    pdf (default: one drawings.pdf), svg or png (one file per sheet)\n",
     RenderCommand},
    {"dimension", "PART [--sheet NAME]...",
     "put automatic dimensions on a drawn product's sheets, replacing those made before",
     "  PART          the part file (.prt) holding the sheets; it is saved with the dimensions\n"
     "  --sheet NAME  dimension only this sheet; repeat for more (default: every sheet)\n",
     DimensionCommand},
    {"flat", "PART OUTDIR", "write flat-blank DXF cutting files of a product's plates and flat bars",
     "  PART    the product's part file (.prt)\n"
     "  OUTDIR  the folder the DXF files are written to (docs/flat-blanks.md)\n",
     FlatCommand},
    {"serve", "[PART] [--port N] [--host ADDRESS] [--token TOKEN] [--record JOURNAL] [--startup DIR]",
     "run the host in a web browser: 3D view, assembly tree, the add-on's menu and dialogs",
     "  PART              the part file to open first\n"
     "  --port N          the port to listen on (default 8080; 0 takes a free one)\n"
     "  --host ADDRESS    the address to listen on (default 127.0.0.1)\n"
     "  --token TOKEN     the secret the page and API calls carry (default: a new random one)\n"
     "  --record JOURNAL  write the session as a journal that `fabdoc run` replays\n"
     "  --startup DIR     load the add-ons of DIR instead of the folder startup/ beside fabdoc\n",
     ServeCommand},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                         [name](const Command& c) { return name == c.name; });
  return it == std::end(kCommands) ? nullptr : it;
}

std::string UsageLine(const Command& command) {
  return std::string("usage: fabdoc ") + command.name + " " + command.arguments + "\n";
}

std::string OverallHelp() {
  std::string text = "usage: fabdoc COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const Command& c : kCommands) {
    std::string name = c.name;
    name.resize(10, ' ');
    text += "  " + name + c.summary + "\n";
  }
  text +=
      "\n`fabdoc COMMAND --help` shows the arguments of a command.\n"
      "`fabdoc --version` shows the version and the commit fabdoc was built from.\n";
  return text;
}

std::string CommandHelp(const Command& command) {
  return UsageLine(command) + "\n" + command.summary + ".\n\n" + command.details;
}

}  // namespace fabdoc::app
