// The add-on's menu actions that show a dialog, each with its dialog file.
#pragma once
#include <span>

namespace fabdoc_test {

struct DialogAction {
  const char* action;
  const char* file;
};

std::span<const DialogAction> DialogActions();

// The action that shows the dialog of `file` (a file name), or null.
const DialogAction* ActionOfDialogFile(const char* file);

}  // namespace fabdoc_test
