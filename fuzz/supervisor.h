#pragma once
// Runs numbered fuzz cases in a worker process that is restarted when a case kills it;
// each killing case is kept. Cases are made from their number alone, so a kept case can
// be made again.
#include <cstdint>
#include <functional>
#include <string>

namespace fuzz {

struct FuzzFigures {
  std::uint64_t executions = 0;
  std::uint64_t refused = 0;    // the reader said no, cleanly
  std::uint64_t accepted = 0;
  std::uint64_t crashes = 0;    // the worker died on the case
};

enum class Outcome { Accepted, Refused };

// `makeCase(n)` writes case n (bytes) and `runCase(bytes)` feeds it to the reader;
// a case that kills the worker is written to crashDir as "<prefix>-<n>.<ext>".
FuzzFigures RunCases(std::uint64_t count, const std::function<std::string(std::uint64_t)>& makeCase,
                     const std::function<Outcome(const std::string&)>& runCase, const std::string& crashDir,
                     const std::string& prefix, const std::string& ext);

}  // namespace fuzz
