// `fabdoc run JOURNAL [--startup DIR]`: starts the host with its add-ons and runs the
// journal; a failing line is reported as JOURNAL:LINE: message.
#include <cstdio>

#include "app/commands.h"
#include "app/host_startup.h"
#include "app/journal/journal.h"
#include "app/journal/runner.h"

namespace fabdoc::app {

int RunJournalCommand(const Args& args) {
  std::string journalPath, startupDir;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--startup") {
      if (++i == args.size()) throw UsageError("--startup needs a folder");
      startupDir = args[i];
    } else if (journalPath.empty()) {
      journalPath = args[i];
    } else {
      throw UsageError("unexpected argument \"" + args[i] + "\"");
    }
  }
  if (journalPath.empty()) throw UsageError("run needs a journal");
  try {
    // Parse first: a journal with a wrong line runs nothing.
    journal::Journal parsed = journal::ReadJournal(journalPath);
    StartHost(startupDir.empty() ? DefaultStartupDir() : startupDir);
    journal::Runner(parsed).Run();
  } catch (const journal::JournalError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}

}  // namespace fabdoc::app
