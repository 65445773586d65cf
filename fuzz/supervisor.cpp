#include "fuzz/supervisor.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fuzz {

namespace {

struct Shared {
  std::uint64_t next;      // the case the worker is on
  std::uint64_t refused;
  std::uint64_t accepted;
};

}  // namespace

FuzzFigures RunCases(std::uint64_t count, const std::function<std::string(std::uint64_t)>& makeCase,
                     const std::function<Outcome(const std::string&)>& runCase, const std::string& crashDir,
                     const std::string& prefix, const std::string& ext) {
  auto* shared = static_cast<Shared*>(
      ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  *shared = {};
  FuzzFigures figures;
  while (shared->next < count) {
    const pid_t worker = ::fork();
    if (worker == 0) {
      for (; shared->next < count; ++shared->next) {
        if (runCase(makeCase(shared->next)) == Outcome::Accepted) ++shared->accepted;
        else ++shared->refused;
        if ((shared->next + 1) % 1000 == 0)
          std::fprintf(stderr, "%llu cases\n", static_cast<unsigned long long>(shared->next + 1));
      }
      std::fflush(nullptr);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(worker, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) break;
    const std::uint64_t n = shared->next;
    std::filesystem::create_directories(crashDir);
    const std::string file = crashDir + "/" + prefix + "-" + std::to_string(n) + "." + ext;
    std::ofstream(file, std::ios::binary) << makeCase(n);
    std::fprintf(stderr, "case %llu killed the worker (status %d): kept as %s\n",
                 static_cast<unsigned long long>(n), status, file.c_str());
    ++figures.crashes;
    ++shared->next;
  }
  figures.executions = shared->next;
  figures.refused = shared->refused;
  figures.accepted = shared->accepted;
  ::munmap(shared, sizeof(Shared));
  return figures;
}

}  // namespace fuzz
