#include "tests/support/script_driver.h"

namespace fabdoc_test {

void Drive(platform::ui::Dialog& dialog, std::function<void(platform::ui::Dialog&)> script) {
  ScriptDriver driver;
  driver.script = std::move(script);
  platform::ui::SetDriver(&driver);
  try {
    dialog.Show();
  } catch (...) {
    platform::ui::SetDriver(nullptr);
    throw;
  }
  platform::ui::SetDriver(nullptr);
}

}  // namespace fabdoc_test
