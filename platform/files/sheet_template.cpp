#include "platform/files/sheet_template.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

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

// The template part at `local`, read once for as long as its bytes stay the same: a
// batch makes hundreds of sheets from one template, and parsing it again each time was
// a seventh of making a part sheet.
const Part& TemplatePart(const std::string& templateHostPath, const std::string& local) {
  struct Read {
    std::string bytes;
    std::unique_ptr<Part> part;
  };
  static std::map<std::string, Read> read;
  std::ifstream in(local, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Read& entry = read[local];
  if (!entry.part || !in || entry.bytes != bytes) {
    entry.part.reset();
    entry.part = files::ReadPart(templateHostPath);
    entry.bytes = std::move(bytes);
  }
  return *entry.part;
}

}  // namespace

DrawingSheet& AddSheetFromTemplate(Part& part, const std::string& templateHostPath, const std::string& name) {
  const std::string shown = ShownPath(templateHostPath);
  const std::string local = ToLocalPath(templateHostPath);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(local, ec))
    throw HostError(HostStatus::NotFound, "sheet template " + shown + " does not exist");
  const Part& source = TemplatePart(templateHostPath, local);
  const auto sheets = SheetsOf(source);
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
