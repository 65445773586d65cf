// Benchmarks that drive the add-on in-process: start it once, run journal text.
#pragma once
#include <string>

namespace fabdoc_bench {

// Starts the add-on (ufsta) the first time, with the project's dialog files.
void StartAddOn();
// Runs journal text, its output discarded; throws the journal's error.
void RunJournal(const std::string& text);

}  // namespace fabdoc_bench
