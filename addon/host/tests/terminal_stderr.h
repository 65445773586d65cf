// Standard error on a pseudo-terminal for a test, so that the display library draws its
// progress bar as a user would see it.
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kzt_test {

// Standard error on a terminal while it lives, so the display library draws its bar;
// Drawn() reads back what reached the terminal.
class TerminalStderr {
public:
  TerminalStderr() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    const int terminal = open(ptsname(master_), O_RDWR | O_NOCTTY);
    if (terminal < 0) return;
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    dup2(terminal, STDERR_FILENO);
    close(terminal);
  }
  ~TerminalStderr() {
    Restore();
    if (master_ >= 0) close(master_);
  }
  bool Ready() const { return saved_ >= 0; }
  std::string Drawn() {
    std::fflush(stderr);
    std::string text;
    char buffer[4096];
    pollfd p{master_, POLLIN, 0};
    while (poll(&p, 1, 50) > 0) {
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) break;
      text.append(buffer, static_cast<size_t>(n));
    }
    Restore();
    return text;
  }

private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
  }
  int master_ = -1;
  int saved_ = -1;
};

}  // namespace kzt_test
