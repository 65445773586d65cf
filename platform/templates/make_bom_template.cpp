// Build tool: writes the bill-of-materials template workbook into the folder given
// (data/kzt-1/bom). The parts that give the layout (styles, widths, merged header,
// prepared rows with the total-mass formula) are written here; every text goes in
// through the workbook editor, so both share one zip and XML implementation.
//   make_bom_template FOLDER
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "platform/workbook/cell_reference.h"
#include "platform/workbook/package.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/xml_part.h"

namespace {

namespace wb = platform::workbook;
namespace fs = std::filesystem;

constexpr const char* kFileName = "明细表模版.xlsx";
constexpr const char* kSheetName = "明细表";
constexpr const char* kCodeSheetName = "类别代码";
constexpr int kColumns = 10;
constexpr int kFirstDataRow = 4;      // rows 1 to 3: title and two header rows
constexpr int kPreparedRows = 200;    // bordered rows with the total-mass formula
constexpr int kMassColumn = 7, kTotalColumn = 8, kQuantityColumn = 5;

// Cell styles, as indexed in kStyles' cellXfs.
enum Style { kPlain = 0, kTitle = 1, kHeader = 2, kCentred = 3, kLeft = 4, kMass = 5 };

struct Column {
  const char* header;
  double width;
  Style style;
};
constexpr Column kLayout[kColumns] = {
    {"序号", 6, kCentred},    {"图号", 18, kLeft},   {"名称", 20, kLeft},        {"规格", 26, kLeft},
    {"数量", 7, kCentred},    {"材料", 12, kLeft},   {"单重(kg)", 11, kMass},    {"总重(kg)", 11, kMass},
    {"备注", 18, kLeft},      {"类别", 7, kCentred}};

// The stock kinds of the category column, by code.
constexpr const char* kCategories[] = {"(无规格)", "方管", "矩形管", "钢板", "扁钢", "无缝钢管", "圆钢", "角钢",
                                       "ZW24钢板网", "EVA板40°", "PP板", "PU板", "ABS板", "PU软管", "其他"};

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelations = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

constexpr const char* kContentTypes = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/><Override PartName="/xl/worksheets/sheet2.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/><Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/><Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/><Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/><Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/></Types>)";

constexpr const char* kPackageRelations = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/></Relationships>)";

constexpr const char* kWorkbookRelations = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet2.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/><Relationship Id="rId4" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";

constexpr const char* kWorkbook = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><bookViews><workbookView activeTab="0"/></bookViews><sheets><sheet name="明细表" sheetId="1" r:id="rId1"/><sheet name="类别代码" sheetId="2" r:id="rId2"/></sheets><definedNames><definedName name="_xlnm.Print_Titles" localSheetId="0">'明细表'!$1:$3</definedName></definedNames><calcPr calcId="191029" fullCalcOnLoad="1"/></workbook>)";

// SimSun (宋体) with the GB2312 character set, as Chinese office templates use.
constexpr const char* kStyles = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><numFmts count="1"><numFmt numFmtId="164" formatCode="0.000"/></numFmts><fonts count="3"><font><sz val="11"/><name val="宋体"/><family val="3"/><charset val="134"/></font><font><b/><sz val="16"/><name val="宋体"/><family val="3"/><charset val="134"/></font><font><b/><sz val="11"/><name val="宋体"/><family val="3"/><charset val="134"/></font></fonts><fills count="3"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill><fill><patternFill patternType="solid"><fgColor rgb="FFD9E1F2"/><bgColor indexed="64"/></patternFill></fill></fills><borders count="2"><border><left/><right/><top/><bottom/><diagonal/></border><border><left style="thin"><color auto="1"/></left><right style="thin"><color auto="1"/></right><top style="thin"><color auto="1"/></top><bottom style="thin"><color auto="1"/></bottom><diagonal/></border></borders><cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs><cellXfs count="6"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/><xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1" applyAlignment="1"><alignment horizontal="center" vertical="center"/></xf><xf numFmtId="0" fontId="2" fillId="2" borderId="1" xfId="0" applyFont="1" applyFill="1" applyBorder="1" applyAlignment="1"><alignment horizontal="center" vertical="center" wrapText="1"/></xf><xf numFmtId="0" fontId="0" fillId="0" borderId="1" xfId="0" applyBorder="1" applyAlignment="1"><alignment horizontal="center" vertical="center"/></xf><xf numFmtId="0" fontId="0" fillId="0" borderId="1" xfId="0" applyBorder="1" applyAlignment="1"><alignment horizontal="left" vertical="center"/></xf><xf numFmtId="164" fontId="0" fillId="0" borderId="1" xfId="0" applyNumberFormat="1" applyBorder="1" applyAlignment="1"><alignment horizontal="right" vertical="center"/></xf></cellXfs><cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles></styleSheet>)";

constexpr const char* kSharedStrings = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" uniqueCount="0"/>)";

constexpr const char* kCoreProperties = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"><dc:title>零件明细表</dc:title><dc:creator>fabdoc</dc:creator><dcterms:created xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:created></cp:coreProperties>)";

constexpr const char* kAppProperties = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"><Application>fabdoc</Application></Properties>)";

pugi::xml_node NewSheet(pugi::xml_document& doc) {
  doc.append_child(pugi::node_declaration).append_attribute("version") = "1.0";
  doc.first_child().append_attribute("encoding") = "UTF-8";
  doc.first_child().append_attribute("standalone") = "yes";
  pugi::xml_node sheet = doc.append_child("worksheet");
  sheet.append_attribute("xmlns") = kMain;
  sheet.append_attribute("xmlns:r") = kRelations;
  return sheet;
}

void AddColumn(pugi::xml_node cols, int column, double width, int style) {
  pugi::xml_node col = cols.append_child("col");
  col.append_attribute("min") = column;
  col.append_attribute("max") = column;
  col.append_attribute("width") = width;
  col.append_attribute("style") = style;
  col.append_attribute("customWidth") = 1;
}

pugi::xml_node AddRow(pugi::xml_node data, int row, double height) {
  pugi::xml_node r = data.append_child("row");
  r.append_attribute("r") = row;
  r.append_attribute("ht") = height;
  r.append_attribute("customHeight") = 1;
  return r;
}

pugi::xml_node AddCell(pugi::xml_node row, int rowNumber, int column, int style) {
  pugi::xml_node c = row.append_child("c");
  c.append_attribute("r") = wb::CellName(rowNumber, column).c_str();
  c.append_attribute("s") = style;
  return c;
}

void AddMerge(pugi::xml_node merges, const std::string& ref) {
  merges.append_child("mergeCell").append_attribute("ref") = ref.c_str();
}

// The BOM sheet without its texts: title row, two header rows, prepared data rows.
std::string BomSheet() {
  pugi::xml_document doc;
  pugi::xml_node sheet = NewSheet(doc);
  sheet.append_child("sheetPr").append_child("pageSetUpPr").append_attribute("fitToPage") = 1;
  const int lastRow = kFirstDataRow + kPreparedRows - 1;
  sheet.append_child("dimension").append_attribute("ref") = ("A1:" + wb::CellName(lastRow, kColumns)).c_str();
  pugi::xml_node view = sheet.append_child("sheetViews").append_child("sheetView");
  view.append_attribute("tabSelected") = 1;
  view.append_attribute("workbookViewId") = 0;
  pugi::xml_node pane = view.append_child("pane");  // header rows stay in view while scrolling
  pane.append_attribute("ySplit") = kFirstDataRow - 1;
  pane.append_attribute("topLeftCell") = wb::CellName(kFirstDataRow, 1).c_str();
  pane.append_attribute("activePane") = "bottomLeft";
  pane.append_attribute("state") = "frozen";
  pugi::xml_node format = sheet.append_child("sheetFormatPr");
  format.append_attribute("defaultRowHeight") = 18;
  // Rows written past the prepared ones take the column's style, borders included.
  pugi::xml_node cols = sheet.append_child("cols");
  for (int c = 1; c <= kColumns; ++c) AddColumn(cols, c, kLayout[c - 1].width, kLayout[c - 1].style);

  pugi::xml_node data = sheet.append_child("sheetData");
  pugi::xml_node title = AddRow(data, 1, 30);
  for (int c = 1; c <= kColumns; ++c) AddCell(title, 1, c, kTitle);
  for (int r = 2; r <= 3; ++r) {
    pugi::xml_node header = AddRow(data, r, 20);
    for (int c = 1; c <= kColumns; ++c) AddCell(header, r, c, kHeader);
  }
  for (int r = kFirstDataRow; r <= lastRow; ++r) {
    pugi::xml_node row = AddRow(data, r, 18);
    for (int c = 1; c <= kColumns; ++c) {
      pugi::xml_node cell = AddCell(row, r, c, kLayout[c - 1].style);
      if (c != kTotalColumn) continue;
      const std::string quantity = wb::CellName(r, kQuantityColumn), mass = wb::CellName(r, kMassColumn);
      // Empty until both quantity and unit mass are there.
      cell.append_child("f").text().set(
          ("IF(OR(" + quantity + "=\"\"," + mass + "=\"\"),\"\"," + quantity + "*" + mass + ")").c_str());
    }
  }

  pugi::xml_node merges = sheet.append_child("mergeCells");
  AddMerge(merges, "A1:" + wb::CellName(1, kColumns));
  for (int c = 1; c <= kColumns; ++c)
    if (c != kMassColumn && c != kTotalColumn) AddMerge(merges, wb::CellName(2, c) + ":" + wb::CellName(3, c));
  AddMerge(merges, wb::CellName(2, kMassColumn) + ":" + wb::CellName(2, kTotalColumn));
  merges.append_attribute("count") = static_cast<int>(std::distance(merges.begin(), merges.end()));

  pugi::xml_node margins = sheet.append_child("pageMargins");
  for (auto [side, inches] : {std::pair{"left", 0.5}, {"right", 0.5}, {"top", 0.75}, {"bottom", 0.75}, {"header", 0.3}, {"footer", 0.3}})
    margins.append_attribute(side) = inches;
  pugi::xml_node page = sheet.append_child("pageSetup");
  page.append_attribute("paperSize") = 9;  // A4
  page.append_attribute("orientation") = "landscape";
  page.append_attribute("fitToWidth") = 1;
  page.append_attribute("fitToHeight") = 0;
  return wb::PartText(doc);
}

// The key to the category codes of the BOM's last column.
std::string CodeSheet() {
  pugi::xml_document doc;
  pugi::xml_node sheet = NewSheet(doc);
  pugi::xml_node cols = sheet.append_child("cols");
  AddColumn(cols, 1, 8, kCentred);
  AddColumn(cols, 2, 16, kLeft);
  pugi::xml_node data = sheet.append_child("sheetData");
  pugi::xml_node header = AddRow(data, 1, 20);
  AddCell(header, 1, 1, kHeader);
  AddCell(header, 1, 2, kHeader);
  return wb::PartText(doc);
}

void Make(const fs::path& folder) {
  wb::Package package;
  package.Put("[Content_Types].xml", kContentTypes);
  package.Put("_rels/.rels", kPackageRelations);
  package.Put("docProps/core.xml", kCoreProperties);
  package.Put("docProps/app.xml", kAppProperties);
  package.Put("xl/workbook.xml", kWorkbook);
  package.Put("xl/_rels/workbook.xml.rels", kWorkbookRelations);
  package.Put("xl/styles.xml", kStyles);
  package.Put("xl/sharedStrings.xml", kSharedStrings);
  package.Put("xl/worksheets/sheet1.xml", BomSheet());
  package.Put("xl/worksheets/sheet2.xml", CodeSheet());

  fs::create_directories(folder);
  const fs::path layout = folder / ".bom-template-layout.xlsx";
  package.Write(layout);
  wb::Workbook book = wb::Workbook::Open(layout);
  book.WriteText(1, 1, 1, "零件明细表");
  for (int c = 1; c <= kColumns; ++c)
    if (c != kMassColumn && c != kTotalColumn) book.WriteText(1, 2, c, kLayout[c - 1].header);
  book.WriteText(1, 2, kMassColumn, "重量");
  book.WriteText(1, 3, kMassColumn, kLayout[kMassColumn - 1].header);
  book.WriteText(1, 3, kTotalColumn, kLayout[kTotalColumn - 1].header);
  book.WriteText(2, 1, 1, "代码");
  book.WriteText(2, 1, 2, "类别");
  for (int code = 1; code <= static_cast<int>(std::size(kCategories)); ++code) {
    book.WriteNumber(2, code + 1, 1, code);
    book.WriteText(2, code + 1, 2, kCategories[code - 1]);
  }
  book.SaveAs(folder / kFileName);
  fs::remove(layout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_bom_template FOLDER\n");
    return 1;
  }
  try {
    Make(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_bom_template: %s\n", e.what());
    return 1;
  }
  return 0;
}
