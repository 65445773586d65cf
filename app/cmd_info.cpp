// Placeholder until the command is built.
#include "app/commands.h"

namespace fabdoc::app {
int InfoCommand(const Args&) { throw std::runtime_error("this command is not built yet"); }
}  // namespace fabdoc::app
