// Processor seconds of the whole process (all its threads), for benchmarks that time
// work spread over threads or waiting on a shared machine.
#pragma once
#include <ctime>

namespace fabdoc_bench {

inline double CpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

}  // namespace fabdoc_bench
