// Drawing sheets through the object interface: the part's sheet collection, the sheet
// builder (a sheet from a template part) and the drafting manager.
#include <NXOpen/DraftingManager.hxx>
#include <NXOpen/Drawings_DrawingSheet.hxx>
#include <NXOpen/Drawings_DrawingSheetBuilder.hxx>
#include <NXOpen/Drawings_DrawingSheetCollection.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>

#include "platform/files/sheet_template.h"
#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/nxopen/host_calls.h"

using platform::nxopen::Call;
using platform::nxopen::LivePart;

namespace NXOpen {
namespace Drawings {

DrawingSheet::~DrawingSheet() = default;

// ---- the collection


DrawingSheetCollection::iterator::iterator(std::shared_ptr<const std::vector<tag_t>> sheets, std::size_t at)
    : sheets_(std::move(sheets)), at_(at) {}

DrawingSheet* DrawingSheetCollection::iterator::operator*() const {
  return dynamic_cast<DrawingSheet*>(NXObjectManager::Get((*sheets_)[at_]));
}

DrawingSheetCollection::iterator& DrawingSheetCollection::iterator::operator++() {
  ++at_;
  return *this;
}

DrawingSheetCollection::iterator DrawingSheetCollection::iterator::operator++(int) {
  iterator before = *this;
  ++at_;
  return before;
}

bool DrawingSheetCollection::iterator::operator==(const iterator& other) const {
  const std::size_t mine = sheets_ ? sheets_->size() - at_ : 0, theirs = other.sheets_ ? other.sheets_->size() - other.at_ : 0;
  return mine == theirs;  // end() has nothing left, like a finished walk
}

DrawingSheetCollection::iterator DrawingSheetCollection::begin() {
  auto tags = std::make_shared<std::vector<tag_t>>();
  for (platform::DrawingSheet* sheet : platform::drafting::SheetsOf(LivePart(part_))) tags->push_back(sheet->GetTag());
  return iterator(std::move(tags), 0);
}

DrawingSheetCollection::iterator DrawingSheetCollection::end() { return iterator(); }

Drawings::DrawingSheetBuilder* DrawingSheetCollection::DrawingSheetBuilder(Drawings::DrawingSheet* drawingSheet) {
  platform::Part& part = LivePart(part_);
  if (drawingSheet && platform::nxopen::LiveAs<platform::DrawingSheet>(drawingSheet->Tag(), "a drawing sheet").owner != &part)
    platform::nxopen::Throw(platform::HostStatus::InvalidArgument, "the drawing sheet is not a sheet of this part");
  return new Drawings::DrawingSheetBuilder(part_, drawingSheet);
}

DrawingSheet* DrawingSheetCollection::CurrentDrawingSheet() {
  platform::DrawingSheet* sheet = platform::drafting::CurrentSheet(LivePart(part_));
  return sheet ? dynamic_cast<DrawingSheet*>(NXObjectManager::Get(sheet->GetTag())) : nullptr;
}

// ---- the builder

DrawingSheetBuilder::DrawingSheetBuilder(tag_t part, DrawingSheet* sheet) : part_(part), sheet_(sheet) {
  if (!sheet) return;
  const auto& edited = platform::nxopen::LiveAs<platform::DrawingSheet>(sheet->Tag(), "a drawing sheet");
  name_ = edited.name;
  number_ = std::to_string(edited.number);
  secondaryNumber_ = edited.secondaryNumber;
  templateLocation_ = edited.templatePath;
  if (edited.ratio) {
    scaleNumerator_ = (*edited.ratio)[0];
    scaleDenominator_ = (*edited.ratio)[1];
  } else if (edited.scale >= 1) {
    scaleNumerator_ = edited.scale;
  } else {
    scaleDenominator_ = 1 / edited.scale;
  }
}

DrawingSheetBuilder::~DrawingSheetBuilder() = default;

void DrawingSheetBuilder::SetMetricSheetTemplateLocation(const NXString& templateLocation) {
  templateLocation_ = templateLocation;
}
NXString DrawingSheetBuilder::MetricSheetTemplateLocation() { return templateLocation_; }
void DrawingSheetBuilder::SetName(const NXString& name) { name_ = name; }
NXString DrawingSheetBuilder::Name() { return name_; }
void DrawingSheetBuilder::SetNumber(const NXString& number) {
  number_ = number;
  numberSet_ = true;
}
NXString DrawingSheetBuilder::Number() { return number_; }
void DrawingSheetBuilder::SetSecondaryNumber(const NXString& secondaryNumber) {
  secondaryNumber_ = secondaryNumber;
  secondaryNumberSet_ = true;
}
NXString DrawingSheetBuilder::SecondaryNumber() { return secondaryNumber_; }
void DrawingSheetBuilder::SetStandardEnglishScale(SheetStandardEnglishScale standardEnglishScale) {
  englishScale_ = standardEnglishScale;
}
DrawingSheetBuilder::SheetStandardEnglishScale DrawingSheetBuilder::StandardEnglishScale() { return englishScale_; }
void DrawingSheetBuilder::SetScaleNumerator(double scaleNumerator) {
  scaleNumerator_ = scaleNumerator;
  ratioSet_ = true;
}
double DrawingSheetBuilder::ScaleNumerator() { return scaleNumerator_; }
void DrawingSheetBuilder::SetScaleDenominator(double scaleDenominator) {
  scaleDenominator_ = scaleDenominator;
  ratioSet_ = true;
}
double DrawingSheetBuilder::ScaleDenominator() { return scaleDenominator_; }

bool DrawingSheetBuilder::Validate() { return !std::string(templateLocation_.GetText()).empty(); }

NXObject* DrawingSheetBuilder::Commit() {
  if (sheet_) return CommitEdit();
  platform::Part& part = LivePart(part_);
  const std::string location = templateLocation_.GetText();
  if (location.empty())
    platform::nxopen::Throw(platform::HostStatus::InvalidArgument, "no sheet template location is set");
  const tag_t made = Call([&] {
    return platform::drafting::AddSheetFromTemplate(part, location, name_.GetText()).GetTag();
  });
  return dynamic_cast<NXObject*>(NXObjectManager::Get(made));
}

// The number and the name are checked before the sheet changes and the ratio is set
// first, so a refused edit changes nothing.
NXObject* DrawingSheetBuilder::CommitEdit() {
  auto& sheet = platform::nxopen::LiveAs<platform::DrawingSheet>(sheet_->Tag(), "a drawing sheet");
  const std::string shown = "sheet \"" + platform::text::ToUtf8Lossy(sheet.name) + "\"";
  const std::string number = number_.GetText();
  int parsed = 0;
  if (numberSet_) {
    std::size_t used = 0;
    try {
      parsed = std::stoi(number, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used == 0 || used != number.size() || parsed < 1)
      platform::nxopen::Throw(platform::HostStatus::InvalidArgument,
                              shown + ": sheet number \"" + platform::text::ToUtf8Lossy(number) +
                                  "\" is not a whole number above 0");
  }
  platform::nxopen::Call([&] {
    const std::string name = name_.GetText();
    if (name != sheet.name) platform::drafting::CheckSheetName(*sheet.owner, name, &sheet);
    if (ratioSet_) platform::drafting::SetSheetRatio(sheet, scaleNumerator_, scaleDenominator_);
    if (name != sheet.name) platform::drafting::RenameSheet(sheet, name);
    if (numberSet_) sheet.number = parsed;
    if (secondaryNumberSet_) sheet.secondaryNumber = secondaryNumber_.GetText();
    sheet.owner->modified = true;
  });
  return sheet_;
}

}  // namespace Drawings

// ---- the drafting manager


// The template's content is copied into the part when the sheet is made, so it is the
// part's own from the start; the flag is only remembered.
void DraftingManager::SetTemplateInstantiationIsComplete(bool templateInstantiationStatus) {
  LivePart(part_);
  complete_ = templateInstantiationStatus;
}

bool DraftingManager::GetTemplateInstantiationIsComplete() { return complete_; }

// ---- the part's accessors

Drawings::DrawingSheetCollection* Part::DrawingSheets() {
  if (!drawingSheets_) drawingSheets_.reset(new Drawings::DrawingSheetCollection(Tag()));
  return drawingSheets_.get();
}

DraftingManager* Part::Drafting() {
  if (!drafting_) drafting_.reset(new DraftingManager(Tag()));
  return drafting_.get();
}

}  // namespace NXOpen
