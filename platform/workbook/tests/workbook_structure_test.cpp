// Workbooks not made by us: inline strings, cells without addresses, formulas spanning
// cells, a calculation chain. Checked on the XML parts and with openpyxl.
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "platform/workbook/package.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/workbook_error.h"
#include "tests/support/xlsx_reader.h"

using namespace fabdoc_test;
using namespace platform::workbook;

namespace {

const char* const kMain = R"(xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")";

// A one-sheet workbook with `sheetData` as its cells, without a shared string table,
// with a calculation chain listing C1.
std::filesystem::path MakeWorkbook(const std::filesystem::path& file, const std::string& sheetData,
                                   const std::string& dimension = "A1:C1") {
  Package p;
  p.Put("[Content_Types].xml",
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/><Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/></Types>)");
  p.Put("_rels/.rels",
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="/xl/workbook.xml"/></Relationships>)");
  p.Put("xl/workbook.xml",
        std::string("<workbook ") + kMain +
            R"( xmlns:rel="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Data" sheetId="1" rel:id="rId7"/></sheets></workbook>)");
  p.Put("xl/_rels/workbook.xml.rels",
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId8" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain" Target="calcChain.xml"/></Relationships>)");
  p.Put("xl/worksheets/sheet1.xml", std::string("<worksheet ") + kMain + "><dimension ref=\"" + dimension +
                                        "\"/><sheetData>" + sheetData + "</sheetData></worksheet>");
  p.Put("xl/calcChain.xml", std::string("<calcChain ") + kMain + R"(><c r="C1" i="1"/></calcChain>)");
  p.Write(file);
  return file;
}

pugi::xml_document PartOf(const std::filesystem::path& file, const std::string& part) {
  pugi::xml_document doc;
  const std::string xml = Package::Read(file).Get(part);
  doc.load_buffer(xml.data(), xml.size());
  return doc;
}

TEST(WorkbookStructure, WithoutSharedStringsTextsGoInline) {
  ScratchFolder folder;
  const auto file = MakeWorkbook(folder.Path() / "inline.xlsx", R"(<row r="1"><c r="A1"><v>5</v></c></row>)");
  Workbook book = Workbook::Open(file);
  book.WriteText(1, 1, 2, "内联");
  book.Save();
  EXPECT_FALSE(Package::Read(file).Has("xl/sharedStrings.xml"));
  const auto read = ReadWithOpenpyxl(file);
  EXPECT_EQ(CellValue(read, "Data", "B1"), "内联");
  EXPECT_EQ(CellValue(read, "Data", "A1"), 5);
}

TEST(WorkbookStructure, CellsAndRowsGoInAddressOrder) {
  ScratchFolder folder;
  // Row 1 lists its cells without addresses (A1, B1); row 5 exists, rows 2-4 do not.
  const auto file = MakeWorkbook(folder.Path() / "order.xlsx",
                                 R"(<row><c><v>1</v></c><c><v>2</v></c></row><row r="5"><c r="D5"><v>4</v></c></row>)");
  Workbook book = Workbook::Open(file);
  book.WriteNumber(1, 5, 2, 3);   // before D5 in its row
  book.WriteNumber(1, 3, 1, 30);  // a new row between 1 and 5
  book.WriteNumber(1, 1, 2, 20);  // B1, addressed by position
  book.WriteNumber(1, 7, 28, 7);  // AB7: past the old extent
  book.Save();
  const auto doc = PartOf(file, "xl/worksheets/sheet1.xml");
  std::vector<std::string> order;
  for (auto row : doc.child("worksheet").child("sheetData").children("row"))
    for (auto cell : row.children("c")) order.push_back(cell.attribute("r").value());
  // Cells without an address keep none; the reader numbers them by position.
  EXPECT_EQ(order, (std::vector<std::string>{"", "", "A3", "B5", "D5", "AB7"}));
  EXPECT_STREQ(doc.child("worksheet").child("dimension").attribute("ref").value(), "A1:AB7");
  const auto read = ReadWithOpenpyxl(file);
  EXPECT_EQ(CellValue(read, "Data", "A1"), 1);
  EXPECT_EQ(CellValue(read, "Data", "B1"), 20);
  EXPECT_EQ(CellValue(read, "Data", "A3"), 30);
  EXPECT_EQ(CellValue(read, "Data", "B5"), 3);
  EXPECT_EQ(CellValue(read, "Data", "D5"), 4);
  EXPECT_EQ(CellValue(read, "Data", "AB7"), 7);
}

TEST(WorkbookStructure, FormulasAreRecomputedOnOpeningAndTheChainIsDropped) {
  ScratchFolder folder;
  const auto file = MakeWorkbook(folder.Path() / "calc.xlsx",
                                 R"(<row r="1"><c r="A1"><v>2</v></c><c r="C1" t="str"><f>A1*3</f><v>6</v></c></row>)");
  Workbook book = Workbook::Open(file);
  book.WriteNumber(1, 1, 1, 5);
  book.Save();
  // The cached 6 would be wrong now; the chain is optional and is rebuilt by the reader.
  const auto sheet = PartOf(file, "xl/worksheets/sheet1.xml");
  const auto c1 = sheet.child("worksheet").child("sheetData").child("row").find_child_by_attribute("c", "r", "C1");
  EXPECT_STREQ(c1.child_value("f"), "A1*3");
  EXPECT_FALSE(c1.child("v"));
  EXPECT_FALSE(Package::Read(file).Has("xl/calcChain.xml"));
  EXPECT_EQ(std::string(Package::Read(file).Get("[Content_Types].xml")).find("calcChain"), std::string::npos);
  EXPECT_EQ(std::string(Package::Read(file).Get("xl/_rels/workbook.xml.rels")).find("calcChain"), std::string::npos);
  EXPECT_STREQ(PartOf(file, "xl/workbook.xml").child("workbook").child("calcPr").attribute("fullCalcOnLoad").value(), "1");
}

TEST(WorkbookStructure, TheAnchorOfASharedFormulaIsNotOverwritten) {
  ScratchFolder folder;
  const auto file = MakeWorkbook(
      folder.Path() / "shared.xlsx",
      R"(<row r="1"><c r="A1"><f t="shared" ref="A1:A2" si="0">B1*2</f></c></row><row r="2"><c r="A2"><f t="shared" si="0"/></c></row>)");
  Workbook book = Workbook::Open(file);
  try {
    book.WriteNumber(1, 1, 1, 1);
    FAIL() << "the anchor was overwritten";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.Problem(), WorkbookProblem::Unsupported);
    EXPECT_NE(std::string(e.what()).find("A1:A2"), std::string::npos) << e.what();
  }
  book.WriteNumber(1, 2, 1, 8);  // a follower cell may be: only its own formula goes
}

}  // namespace
