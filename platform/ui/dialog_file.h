// Dialog files (.dlx): the layout of one dialog (blocks, ids, labels, initial values)
// in the XML format described in docs/dialog-files.md, and where the host finds them.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

namespace platform::ui {

// Reads a dialog file (a local path). Throws HostError(FileError) naming the file and
// the line when it cannot be read or is not a valid dialog file.
std::unique_ptr<Dialog> ReadDialogFile(const std::string& localPath);

// Folders searched for dialog files after those of FABDOC_DIALOG_PATH (local paths).
void SetDialogFolders(std::vector<std::string> localFolders);
const std::vector<std::string>& DialogFolders();

// The local path of a dialog file named as the add-on names it (GBK; ".dlx" optional;
// a path is used as it stands). Throws HostError(NotFound) naming the file and the
// folders searched.
std::string FindDialogFile(const std::string& gbkName);

}  // namespace platform::ui
