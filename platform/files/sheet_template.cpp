#include "platform/files/sheet_template.h"

#include <filesystem>

#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/text/host_path.h"
#include "platform/files/part_file.h"
#include "platform/base/host_error.h"
#include "platform/text/gbk.h"
#include "platform/text/shown_path.h"

namespace platform::drafting {

namespace {

std::string DefaultSheetName(const Part& part) {
  for (int n = 1;; ++n) {
    std::string name = "SHT" + std::to_string(n);
    if (!FindSheet(part, name)) return name;
  }
}

}  // namespace

DrawingSheet& AddSheetFromTemplate(Part& part, const std::string& templateHostPath, const std::string& name) {
  const std::string shown = ShownPath(templateHostPath);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(ToLocalPath(templateHostPath), ec))
    throw HostError(HostStatus::NotFound, "sheet template " + shown + " does not exist");
  const std::unique_ptr<Part> source = files::ReadPart(templateHostPath);
  const auto sheets = SheetsOf(*source);
  if (sheets.empty()) throw HostError(HostStatus::NotFound, "sheet template " + shown + " holds no drawing sheet");
  const DrawingSheet& model = *sheets.front();

  const std::string sheetName = name.empty() ? DefaultSheetName(part) : name;
  CheckSheetName(part, sheetName);
  DrawingSheet& sheet = AddSheet(part, sheetName, model.width, model.height);
  sheet.scale = model.scale;
  sheet.templatePath = templateHostPath;
  sheet.frame = model.frame;
  sheet.texts = model.texts;
  for (const TabularNote* note : NotesOf(model)) {
    auto copy = note->Subtype() == kPartsListSubtype ? std::unique_ptr<TabularNote>(std::make_unique<PartsList>())
                                                     : std::make_unique<TabularNote>();
    copy->name = note->name;
    copy->display = note->display;
    copy->attributes = note->attributes;
    copy->sheetPid = sheet.pid;
    copy->position = note->position;
    copy->rowHeights = note->rowHeights;
    copy->columnWidths = note->columnWidths;
    copy->cells = note->cells;
    part.Add(std::move(copy));
  }
  sheet.ratio = model.ratio;
  RefreshScaleCell(sheet);
  return sheet;
}

}  // namespace platform::drafting
