// Who answers the host's modal questions. Headless, the journal does: the platform
// asks the current driver to run a dialog to its end or to answer a selection.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/objects/tag.h"

namespace platform::ui {

class Dialog;

class Driver {
public:
  virtual ~Driver() = default;
  // Drives a modal dialog (set values, press buttons, apply) until it is closed by OK
  // or Cancel. Throws HostError when the script is wrong; the dialog is then cancelled.
  virtual void RunDialog(Dialog& dialog) = 0;
  // Answers a class-selection dialog: the picked objects, or nullopt when cancelled.
  virtual std::optional<std::vector<Tag>> PickObjects(const std::string& gbkTitle) = 0;
};

// The driver in force; null when nothing can answer (a modal call then fails cleanly).
Driver* CurrentDriver();
void SetDriver(Driver* driver);

}  // namespace platform::ui
