// Which kind of drawings the work part holds, read from its sheet names.
#pragma once

namespace kzt {

// 1 when at least 0.9 of the drawing sheets have a name whose first three characters
// hold two or more "0" (component-mode sheets), else 2; 2 without sheets.
int ask_drawing_mode();

}  // namespace kzt
