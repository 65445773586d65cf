#include "bench/support/addon_journal.h"

#include <cstdio>
#include <cstdlib>

#include "app/journal/journal.h"
#include "app/journal/runner.h"

extern "C" void ufsta(char* param, int* retcode, int paramLen);

namespace fabdoc_bench {

void StartAddOn() {
  static bool started = false;
  if (started) return;
  setenv("FABDOC_DIALOG_PATH", FABDOC_BENCH_DIALOGS, 1);
  int rc = 0;
  ufsta(nullptr, &rc, 0);
  started = true;
}

void RunJournal(const std::string& text) {
  const auto journal = fabdoc::app::journal::ParseJournal(text, "/tmp/bench.journal", "/tmp");
  std::FILE* sink = std::fopen("/dev/null", "w");
  fabdoc::app::journal::Runner runner(journal, sink);
  runner.Run();
  std::fclose(sink);
}

}  // namespace fabdoc_bench
