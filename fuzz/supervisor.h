#pragma once
// Runs numbered fuzz cases in a worker process that is restarted when a case kills it;
// each killing case is kept. Cases are made from their number alone, so a kept case can
// be made again.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace fuzz {

struct FuzzFigures {
  std::uint64_t executions = 0;
  std::uint64_t refused = 0;    // the reader said no, cleanly
  std::uint64_t accepted = 0;
  std::uint64_t crashes = 0;    // the worker died on the case
  std::uint64_t slowestCase = 0;  // of those that ended: a case near the minute is a finding to look at
  double slowestSeconds = 0;
};

enum class Outcome { Accepted, Refused };

// The drivers' command line: RUNS CRASH_DIR [SEED [raw]].
struct FuzzArgs {
  std::uint64_t runs = 0;
  std::string crashDir;
  std::uint64_t salt = 1;
  bool raw = false;  // straight to OCCT, no checks: finds the files for the corpus
};
// Prints the usage and returns false when the line does not fit.
bool ParseArgs(int argc, char** argv, FuzzArgs& args);

// A fresh folder under the temporary folder for this run's files.
std::string WorkFolder(const std::string& name);

// Prints the figures under `what`; the exit code: 0 when nothing crashed.
int Report(const char* what, const FuzzFigures& figures);

// `makeCase(n)` writes case n (bytes) and `runCase(bytes)` feeds it to the reader;
// a case that kills the worker or runs for a minute is written to crashDir as "<prefix>-<n>.<ext>".
FuzzFigures RunCases(std::uint64_t count, const std::function<std::string(std::uint64_t)>& makeCase,
                     const std::function<Outcome(const std::string&)>& runCase, const std::string& crashDir,
                     const std::string& prefix, const std::string& ext);

}  // namespace fuzz
