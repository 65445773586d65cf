#include "platform/drafting/sheets.h"

#include <algorithm>

#include "platform/base/host_error.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/shown_path.h"

namespace platform {

DrawingSheet::~DrawingSheet() {
  if (ownView_) Session::Get().Unregister(ownView_->GetTag());
}

SheetOwnView& DrawingSheet::OwnView() {
  if (!ownView_) {
    ownView_ = std::make_unique<SheetOwnView>(*this);
    ownView_->name = name;
    Session::Get().Register(*ownView_);
  }
  return *ownView_;
}

}  // namespace platform

namespace platform::drafting {

namespace {

// The part's objects of a host type on `holder` that are of class T (every one is; the
// cast guards against a foreign object of that type).
template <class T>
std::vector<T*> ObjectsOf(const Part& part, int type, std::uint32_t holder) {
  std::vector<T*> result;
  for (Object* object : part.ObjectsOfType(type, holder))
    if (auto* t = dynamic_cast<T*>(object)) result.push_back(t);
  return result;
}

std::string Shown(const std::string& gbk) { return "\"" + text::ToUtf8Lossy(gbk) + "\""; }

}  // namespace

std::vector<DrawingSheet*> SheetsOf(const Part& part) { return ObjectsOf<DrawingSheet>(part, kDrawingType, 0); }

DrawingSheet* FindSheet(const Part& part, const std::string& name) {
  for (Object* sheet : part.ObjectsOfType(kDrawingType))
    if (sheet->name == name) return dynamic_cast<DrawingSheet*>(sheet);
  return nullptr;
}

DrawingSheet* CurrentSheet(const Part& part) {
  // From the newest: the current sheet is most often the one made last.
  const auto& sheets = part.ObjectsOfType(kDrawingType);
  for (auto it = sheets.rbegin(); it != sheets.rend(); ++it)
    if (auto* sheet = dynamic_cast<DrawingSheet*>(*it); sheet && sheet->current) return sheet;
  return nullptr;
}

void SetCurrentSheet(Part& part, DrawingSheet& sheet) {
  for (Object* other : part.ObjectsOfType(kDrawingType))
    if (auto* s = dynamic_cast<DrawingSheet*>(other)) s->current = s == &sheet;
}

void CheckSheetName(const Part& part, const std::string& name, const DrawingSheet* renamed) {
  if (name.empty()) throw HostError(HostStatus::InvalidArgument, "a sheet needs a name");
  // GBK trail bytes are never 0x2F; 0x5C can be one, so look at characters, not bytes.
  for (size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte >= 0x81 && byte <= 0xFE && i + 1 < name.size()) {
      ++i;
      continue;
    }
    if (byte == '/' || byte == '\\')
      throw HostError(HostStatus::InvalidArgument,
                      "sheet name " + Shown(name) + " holds a " + (byte == '/' ? "slash" : "backslash") +
                          "; sheet names become file names and may not contain / or \\");
  }
  if (const DrawingSheet* other = FindSheet(part, name); other && other != renamed)
    throw HostError(HostStatus::InvalidArgument,
                    "part " + ShownPath(part.path) + " already has a sheet named " + Shown(name));
}

void RenameSheet(DrawingSheet& sheet, const std::string& name) {
  CheckSheetName(*sheet.owner, name, &sheet);
  sheet.name = name;
  sheet.owner->modified = true;
}

DrawingSheet& AddSheet(Part& part, const std::string& name, double width, double height) {
  CheckSheetName(part, name);
  if (!(width > 0) || !(height > 0))
    throw HostError(HostStatus::InvalidArgument, "sheet " + Shown(name) + " needs a positive width and height");
  auto sheet = std::make_unique<DrawingSheet>();
  sheet->name = name;
  sheet->width = width;
  sheet->height = height;
  for (Object* other : part.ObjectsOfType(kDrawingType))
    if (auto* o = dynamic_cast<DrawingSheet*>(other)) sheet->number = std::max(sheet->number, o->number + 1);
  auto& added = static_cast<DrawingSheet&>(part.Add(std::move(sheet)));
  SetCurrentSheet(part, added);
  return added;
}

std::vector<DraftingView*> ViewsOf(const DrawingSheet& sheet) {
  std::vector<DraftingView*> result;
  for (DraftingView* view : ObjectsOf<DraftingView>(*sheet.owner, kViewType, sheet.pid))
    if (view->kind != ViewKind::Model) result.push_back(view);
  return result;
}

std::vector<TabularNote*> NotesOf(const DrawingSheet& sheet) {
  return ObjectsOf<TabularNote>(*sheet.owner, kTabularNoteType, sheet.pid);
}

std::vector<Dimension*> DimensionsOf(const DrawingSheet& sheet) {
  return ObjectsOf<Dimension>(*sheet.owner, kDimensionType, sheet.pid);
}

std::vector<PartMark*> PartMarksOf(const DrawingSheet& sheet) {
  return ObjectsOf<PartMark>(*sheet.owner, kDraftingEntityType, sheet.pid);
}

std::vector<HoleTable*> HoleTablesOf(const DrawingSheet& sheet) {
  return ObjectsOf<HoleTable>(*sheet.owner, kDraftingEntityType, sheet.pid);
}

DrawingSheet& SheetByPid(const Part& part, std::uint32_t pid, const std::string& what) {
  auto* sheet = dynamic_cast<DrawingSheet*>(part.FindByPid(pid));
  if (!sheet) throw HostError(HostStatus::NotFound, what + " is on a sheet that no longer exists");
  return *sheet;
}

DrawingSheet& SheetOf(const Object& object) {
  const std::string what = "object " + std::to_string(object.GetTag());
  if (!object.owner) throw HostError(HostStatus::WrongObjectType, what + " belongs to no part");
  if (auto* view = dynamic_cast<const DraftingView*>(&object)) {
    if (view->kind == ViewKind::Model)
      throw HostError(HostStatus::WrongObjectType, "view " + Shown(view->name) + " is a model view, on no sheet");
    return SheetByPid(*object.owner, view->sheetPid, "view " + Shown(view->name));
  }
  if (auto* note = dynamic_cast<const TabularNote*>(&object)) return SheetByPid(*object.owner, note->sheetPid, what);
  throw HostError(HostStatus::WrongObjectType, what + " is neither a drawing view nor a tabular note");
}

void DeleteSheet(DrawingSheet& sheet) {
  Part& part = *sheet.owner;
  std::vector<Tag> doomed;
  for (DraftingView* view : ViewsOf(sheet)) doomed.push_back(view->GetTag());
  for (TabularNote* note : NotesOf(sheet)) doomed.push_back(note->GetTag());
  for (Dimension* dimension : DimensionsOf(sheet)) doomed.push_back(dimension->GetTag());
  for (PartMark* mark : PartMarksOf(sheet)) doomed.push_back(mark->GetTag());
  for (HoleTable* table : HoleTablesOf(sheet)) doomed.push_back(table->GetTag());
  doomed.push_back(sheet.GetTag());
  const bool wasCurrent = sheet.current;
  for (Tag tag : doomed) Session::Get().Delete(tag);
  if (wasCurrent)
    if (auto sheets = SheetsOf(part); !sheets.empty()) SetCurrentSheet(part, *sheets.back());
}

}  // namespace platform::drafting
