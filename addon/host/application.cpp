// The application's callbacks only announce themselves; no state depends on them.
#include "host/application.h"

#include <cstdio>

void application_init() {
  std::printf("Initializing application\n");
  std::fflush(stdout);
}

void application_enter() {
  std::printf("Entering application\n");
  std::fflush(stdout);
}

void application_exit() {
  std::printf("Exiting application\n");
  std::fflush(stdout);
}
