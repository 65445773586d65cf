// What both drawing batches do with sheets: name the sheet just made, and bring every
// sheet up to date at the end of the run.
#pragma once
#include <string>

namespace kzt {

// Renames the current sheet (the one a sheet routine just made). A name the host refuses
// takes that sheet away again and throws the host's text: a sheet left under the host's
// name (SHT1) would be reported nowhere, and each run would add another.
void rename_current_sheet(const std::string& name);
// Parts lists and the out-of-date views of every sheet. Every sheet is tried; a view
// that cannot be drawn keeps what it showed, and the first failure is thrown once all
// were tried.
void update_all_sheets();

}  // namespace kzt
