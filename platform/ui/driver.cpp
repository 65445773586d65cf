#include "platform/ui/driver.h"

namespace platform::ui {
namespace {
Driver* current = nullptr;
}

Driver* CurrentDriver() { return current; }
void SetDriver(Driver* driver) { current = driver; }

}  // namespace platform::ui
