#include "platform/workbook/workbook.h"

#include <cmath>

#include "platform/workbook/cell_reference.h"
#include "platform/workbook/cell_text.h"
#include "platform/workbook/file_refusals.h"
#include "platform/workbook/shared_strings.h"
#include "platform/workbook/workbook_error.h"
#include "platform/workbook/worksheet.h"
#include "platform/workbook/xml_part.h"

namespace platform::workbook {

namespace fs = std::filesystem;

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string FolderOf(const std::string& part) {
  const auto slash = part.rfind('/');
  return slash == std::string::npos ? "" : part.substr(0, slash + 1);
}

// The part a relationship target names, relative to the part holding the relationship.
std::string ResolveTarget(const std::string& folder, const std::string& target) {
  if (!target.empty() && target.front() == '/') return target.substr(1);
  fs::path joined = (fs::path(folder) / target).lexically_normal();
  return joined.generic_string();
}

std::string RelationshipsOf(const std::string& part) {
  const auto slash = part.rfind('/');
  const std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
  return FolderOf(part) + "_rels/" + name + ".rels";
}

// The relationship id attribute of a <sheet>, whatever prefix the file gives its namespace.
const char* RelationshipId(pugi::xml_node sheet) {
  for (pugi::xml_attribute a : sheet.attributes())
    if (EndsWith(a.name(), ":id")) return a.value();
  return "";
}

}  // namespace

Workbook::Workbook(Package package) : package_(std::move(package)) {}
Workbook::Workbook(Workbook&&) noexcept = default;
Workbook& Workbook::operator=(Workbook&&) noexcept = default;
Workbook::~Workbook() = default;

Workbook Workbook::Open(const fs::path& file) {
  Workbook book(Package::Read(file));
  book.file_ = file;
  try {
    pugi::xml_document rels;
    ParsePart(rels, book.package_.Get("_rels/.rels"), "_rels/.rels");
    for (pugi::xml_node r : rels.child("Relationships").children("Relationship"))
      if (EndsWith(r.attribute("Type").value(), "/officeDocument"))
        book.workbookPart_ = ResolveTarget("", r.attribute("Target").value());
    if (book.workbookPart_.empty())
      throw WorkbookError(WorkbookProblem::NotAWorkbook, "the package names no workbook part");

    pugi::xml_document workbook, workbookRels;
    ParsePart(workbook, book.package_.Get(book.workbookPart_), book.workbookPart_);
    const std::string relsPart = RelationshipsOf(book.workbookPart_);
    ParsePart(workbookRels, book.package_.Get(relsPart), relsPart);
    const std::string folder = FolderOf(book.workbookPart_);
    auto relationship = [&](std::string_view id) {
      for (pugi::xml_node r : workbookRels.child("Relationships").children("Relationship"))
        if (id == r.attribute("Id").value()) return r;
      return pugi::xml_node();
    };
    for (pugi::xml_node sheet : workbook.child("workbook").child("sheets").children("sheet")) {
      const pugi::xml_node r = relationship(RelationshipId(sheet));
      book.sheetNames_.push_back(sheet.attribute("name").value());
      // Chart sheets and the like hold no cells; an empty part name marks them.
      const bool cells = EndsWith(r.attribute("Type").value(), "/worksheet");
      book.sheetParts_.push_back(cells ? ResolveTarget(folder, r.attribute("Target").value()) : "");
      if (cells) book.package_.Get(book.sheetParts_.back());  // refuses a missing part now, not at the first write
    }
    if (book.sheetNames_.empty())
      throw WorkbookError(WorkbookProblem::NotAWorkbook, "the workbook lists no sheets (or its XML uses a namespace prefix)");
    book.sheets_.resize(book.sheetNames_.size());
    for (pugi::xml_node r : workbookRels.child("Relationships").children("Relationship"))
      if (EndsWith(r.attribute("Type").value(), "/sharedStrings")) {
        book.stringsPart_ = ResolveTarget(folder, r.attribute("Target").value());
        book.strings_ = std::make_unique<SharedStrings>(book.package_.Get(book.stringsPart_), book.stringsPart_);
      }
  } catch (const WorkbookError& e) {
    throw WorkbookError(e.Problem(), file.string() + ": not a workbook (" + e.what() + ")");
  }
  return book;
}

std::string Workbook::CellLabel(int sheet, int row, int column) const {
  const bool inRange = row >= 1 && row <= kMaxRow && column >= 1 && column <= kMaxColumn;
  return file_.string() + ": sheet " + std::to_string(sheet) + ", cell " +
         (inRange ? CellName(row, column) : "row " + std::to_string(row) + " column " + std::to_string(column));
}

Worksheet& Workbook::Sheet(int sheet, int row, int column) {
  if (sheet < 1 || sheet > static_cast<int>(sheetNames_.size()))
    throw WorkbookError(WorkbookProblem::BadCell, CellLabel(sheet, row, column) + ": the workbook has " +
                                                      std::to_string(sheetNames_.size()) + " sheet(s)");
  if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
    throw WorkbookError(WorkbookProblem::BadCell, CellLabel(sheet, row, column) + ": outside the sheet");
  const std::string& part = sheetParts_[sheet - 1];
  if (part.empty())
    throw WorkbookError(WorkbookProblem::BadCell,
                        CellLabel(sheet, row, column) + ": sheet \"" + sheetNames_[sheet - 1] + "\" holds no cells");
  auto& loaded = sheets_[sheet - 1];
  if (!loaded) try {
      loaded = std::make_unique<Worksheet>(package_.Get(part), part);
    } catch (const WorkbookError& e) {
      throw WorkbookError(e.Problem(), file_.string() + ": not a workbook (" + e.what() + ")");
    }
  return *loaded;
}

void Workbook::WriteNumber(int sheet, int row, int column, double value) {
  Worksheet& target = Sheet(sheet, row, column);
  if (!std::isfinite(value))
    throw WorkbookError(WorkbookProblem::BadValue, CellLabel(sheet, row, column) + ": not a finite number");
  target.SetNumber(row, column, value);
}

void Workbook::WriteText(int sheet, int row, int column, std::string_view utf8) {
  Worksheet& target = Sheet(sheet, row, column);
  const std::optional<std::string> stored = EncodeCellText(utf8);
  if (!stored) throw WorkbookError(WorkbookProblem::BadValue, CellLabel(sheet, row, column) + ": text is not UTF-8");
  if (stored->empty())
    target.SetEmpty(row, column);
  else if (strings_)
    target.SetSharedText(row, column, strings_->Index(*stored));
  else
    target.SetInlineText(row, column, *stored);
}

void Workbook::Flush() {
  bool changed = false;
  for (size_t i = 0; i < sheets_.size(); ++i)
    if (sheets_[i] && sheets_[i]->Changed()) {
      package_.Put(sheetParts_[i], sheets_[i]->Xml());
      changed = true;
    }
  if (!changed) return;
  if (strings_ && strings_->Changed()) package_.Put(stringsPart_, strings_->Xml());

  // Formulas fed by written cells must be computed again when the workbook is opened;
  // the calculation chain is optional and would name cells that are no longer formulas.
  pugi::xml_document workbook, rels, types;
  ParsePart(workbook, package_.Get(workbookPart_), workbookPart_);
  pugi::xml_node root = workbook.child("workbook");
  pugi::xml_node calc = root.child("calcPr");
  if (!calc) {
    pugi::xml_node after;
    for (const char* name : {"sheets", "functionGroups", "externalReferences", "definedNames"})
      if (root.child(name)) after = root.child(name);
    calc = root.insert_child_after("calcPr", after);
  }
  if (!calc.attribute("fullCalcOnLoad")) calc.append_attribute("fullCalcOnLoad");
  calc.attribute("fullCalcOnLoad") = "1";
  package_.Put(workbookPart_, PartText(workbook));

  const std::string relsPart = RelationshipsOf(workbookPart_);
  ParsePart(rels, package_.Get(relsPart), relsPart);
  for (pugi::xml_node r : rels.child("Relationships").children("Relationship"))
    if (EndsWith(r.attribute("Type").value(), "/calcChain")) {
      const std::string chain = ResolveTarget(FolderOf(workbookPart_), r.attribute("Target").value());
      package_.Remove(chain);
      rels.child("Relationships").remove_child(r);
      package_.Put(relsPart, PartText(rels));
      ParsePart(types, package_.Get("[Content_Types].xml"), "[Content_Types].xml");
      for (pugi::xml_node o : types.child("Types").children("Override"))
        if (("/" + chain) == o.attribute("PartName").value()) {
          types.child("Types").remove_child(o);
          break;
        }
      package_.Put("[Content_Types].xml", PartText(types));
      break;
    }
}

void Workbook::Save() { SaveAs(file_); }

void Workbook::SaveAs(const fs::path& file) {
  RefuseLockedOrReadOnly(file);
  Flush();
  package_.Write(file);
}

}  // namespace platform::workbook
