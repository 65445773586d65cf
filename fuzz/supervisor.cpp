#include "fuzz/supervisor.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fuzz {

namespace {

constexpr unsigned kCaseSeconds = 60;

struct Shared {
  std::uint64_t next;      // the case the worker is on
  std::uint64_t refused;
  std::uint64_t accepted;
  std::uint64_t slowestCase;
  double slowestSeconds;
};

}  // namespace

FuzzFigures RunCases(std::uint64_t count, const std::function<std::string(std::uint64_t)>& makeCase,
                     const std::function<Outcome(const std::string&)>& runCase, const std::string& crashDir,
                     const std::string& prefix, const std::string& ext) {
  auto* shared = static_cast<Shared*>(
      ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  *shared = {};
  // Every body of every case is tried, as a file from elsewhere is: none is trusted for
  // having passed before, and the user's cache of trusted bodies is left alone.
  ::setenv("FABDOC_TRUST_CACHE", "off", 1);
  FuzzFigures figures;
  while (shared->next < count) {
    const pid_t worker = ::fork();
    if (worker == 0) {
      for (; shared->next < count; ++shared->next) {
        const std::string bytes = makeCase(shared->next);
        ::alarm(kCaseSeconds);  // a case that hangs is a finding too
        const auto start = std::chrono::steady_clock::now();
        if (runCase(bytes) == Outcome::Accepted) ++shared->accepted;
        else ++shared->refused;
        ::alarm(0);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > shared->slowestSeconds) {
          shared->slowestSeconds = seconds;
          shared->slowestCase = shared->next;
        }
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
  figures.slowestCase = shared->slowestCase;
  figures.slowestSeconds = shared->slowestSeconds;
  ::munmap(shared, sizeof(Shared));
  return figures;
}

bool ParseArgs(int argc, char** argv, FuzzArgs& args) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS CRASH_DIR [SEED [raw]]\n", argv[0]);
    return false;
  }
  args.runs = std::stoull(argv[1]);
  args.crashDir = argv[2];
  if (argc > 3) args.salt = std::stoull(argv[3]);
  args.raw = argc > 4 && std::string(argv[4]) == "raw";
  return true;
}

std::string WorkFolder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  return folder.string();
}

int Report(const char* what, const FuzzFigures& figures) {
  std::printf("%s: %llu executions, %llu refused, %llu read, %llu crashes; slowest case %llu, %.1f s\n", what,
              static_cast<unsigned long long>(figures.executions), static_cast<unsigned long long>(figures.refused),
              static_cast<unsigned long long>(figures.accepted), static_cast<unsigned long long>(figures.crashes),
              static_cast<unsigned long long>(figures.slowestCase), figures.slowestSeconds);
  return figures.crashes == 0 ? 0 : 1;
}

}  // namespace fuzz
