// The menu action 2D: the drawing sheets of the displayed part, or those of the views
// picked, written one DWG file per sheet into "<part>CAD工程图" beside the part file.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

int export_dwg();
// Appends the sheets of the picked views (in pick order, repeats kept), or every sheet
// of the part when OK is pressed with no view picked; nothing on cancel.
int select_drawing_sheets(std::vector<tag_t>& sheets);
// One sheet through the host's DXF/DWG translator; the third text is not used.
void export_sheet_dwg(std::string partPath, std::string sheetName, std::string unused, std::string outputFile);

namespace kzt {

// The part file path without its extension (all of it when the file name has none)
// and "CAD工程图".
std::string dwg_output_folder(const std::string& partPath);
// The sheet's name with every character a file name cannot hold replaced by "_".
std::string dwg_file_stem(const std::string& sheetName);

}  // namespace kzt
