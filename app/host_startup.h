// Starting the host for a run: the installation folder (UGII_BASE_DIR), the dialog
// folders, and the add-ons of the start-up folder, loaded and started as the real
// host does (dlopen, then ufsta).
#pragma once
#include <string>

namespace fabdoc::app {

// UGII_BASE_DIR, or the project's data/ folder when it is unset (then exported so the
// add-on sees it), by the host's own policy (platform::BaseDirHostPath). Throws
// std::runtime_error naming a value that is not a folder.
std::string ResolveBaseDir();

// <folder of the fabdoc executable>/startup.
std::string DefaultStartupDir();

// Loads every shared library (*.so) of the folder, in name order, and calls its ufsta.
// Throws std::runtime_error naming the folder or the library that fails.
void LoadAddOns(const std::string& startupDir);

// All of the above: base folder, dialog folder <startup>/../application, add-ons.
void StartHost(const std::string& startupDir);

}  // namespace fabdoc::app
