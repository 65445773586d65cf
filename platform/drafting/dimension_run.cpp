#include "platform/drafting/dimension_run.h"

#include "platform/base/host_error.h"
#include "platform/drafting/sheet_dimensions.h"
#include "platform/drafting/sheets.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

DimensionRunReport DimensionSheets(Part& part, const std::vector<std::string>& sheetNames) {
  std::vector<DrawingSheet*> sheets;
  for (const std::string& name : sheetNames) {
    DrawingSheet* sheet = FindSheet(part, name);
    if (!sheet)
      throw HostError(HostStatus::NotFound, "part " + text::ToUtf8Lossy(part.path) + " has no sheet named \"" +
                                                text::ToUtf8Lossy(name) + "\"");
    sheets.push_back(sheet);
  }
  if (sheetNames.empty()) sheets = SheetsOf(part);
  DimensionRunReport report;
  for (DrawingSheet* sheet : sheets) {
    const std::string name = text::ToUtf8Lossy(sheet->name);
    try {
      const SheetDimensionsResult result = DimensionSheet(*sheet);
      std::string line = "sheet \"" + name + "\": " + std::to_string(result.made) + " dimensions";
      if (result.marks > 0) line += ", " + std::to_string(result.marks) + " part marks";
      if (result.holeTables > 0) line += ", " + std::to_string(result.holeTables) + " hole table" + (result.holeTables > 1 ? "s" : "");
      if (!result.note.empty()) line += "; " + result.note;
      report.done.push_back(line);
      ++report.changed;
    } catch (const HostError& e) {
      report.failed.push_back(e.what());
    }
  }
  return report;
}

}  // namespace platform::drafting
