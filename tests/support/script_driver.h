// A dialog's user played by a test: a script run while the dialog is shown.
#pragma once
#include <functional>

#include "platform/ui/dialog.h"
#include "platform/ui/driver.h"

namespace fabdoc_test {

struct ScriptDriver : platform::ui::Driver {
  std::function<void(platform::ui::Dialog&)> script;
  void RunDialog(platform::ui::Dialog& dialog) override { script(dialog); }
  std::optional<std::vector<platform::Tag>> PickObjects(const std::string&) override { return std::nullopt; }
};

// Shows `dialog` with `script` as its user; the driver is set for the call only.
void Drive(platform::ui::Dialog& dialog, std::function<void(platform::ui::Dialog&)> script);

}  // namespace fabdoc_test
