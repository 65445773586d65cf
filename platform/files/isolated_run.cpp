#include "platform/files/isolated_run.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <fstream>
#include <new>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <Standard_Failure.hxx>
#include <Standard_OutOfMemory.hxx>

namespace platform::files {

namespace {

std::size_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

void WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0 && errno != EINTR) return;
    if (n > 0) done += static_cast<size_t>(n);
  }
}

constexpr const char* kTooMuchMemory = "reading it needs more memory than any sound file would";

// One line of text, whatever the reader put in its message.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

[[noreturn]] void RunChild(int fd, const std::function<std::string()>& check, const IsolationLimits& limits) {
  ::alarm(limits.seconds);
#ifndef __SANITIZE_ADDRESS__  // the address sanitizer reserves far more than any limit
  const rlim_t cap = AddressSpaceInUse() + limits.extraMemory;
  const rlimit limit{cap, cap};
  ::setrlimit(RLIMIT_AS, &limit);
#endif
  std::string why;
  try {
    why = check();
  } catch (const std::bad_alloc&) {
    why = kTooMuchMemory;
  } catch (const Standard_OutOfMemory&) {
    why = kTooMuchMemory;
  } catch (const Standard_Failure& e) {
    why = e.GetMessageString();
    if (why.empty()) why = e.DynamicType()->Name();
  } catch (const std::exception& e) {
    why = e.what();
  } catch (...) {
    why = "the reader failed";
  }
  why = OneLine(why);
  WriteAll(fd, why.empty() ? std::string("ok") : "!" + why);
  ::close(fd);
  ::_exit(0);  // no destructors or atexit handlers of the host in the child
}

}  // namespace

std::optional<std::string> FailureInIsolation(const std::function<std::string()>& check,
                                              const IsolationLimits& limits) {
  int fds[2];
  if (::pipe(fds) != 0) return std::string("cannot start a reader process (") + std::strerror(errno) + ")";
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return std::string("cannot start a reader process (") + std::strerror(errno) + ")";
  }
  if (child == 0) {
    ::close(fds[0]);
    RunChild(fds[1], check, limits);
  }
  ::close(fds[1]);
  std::string said;
  char buf[512];
  for (;;) {
    const ssize_t n = ::read(fds[0], buf, sizeof buf);
    if (n > 0) said.append(buf, static_cast<size_t>(n));
    else if (n == 0 || errno != EINTR) break;
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && said == "ok") return std::nullopt;
  if (!said.empty() && said[0] == '!') return said.substr(1);
  if (WIFSIGNALED(status)) {
    const int sig = WTERMSIG(status);
    if (sig == SIGALRM) return "reading it did not finish in " + std::to_string(limits.seconds) + " s";
    return std::string("the reader crashed on it (") + ::strsignal(sig) + ")";
  }
  return std::string("the reader stopped on it");
}

}  // namespace platform::files
