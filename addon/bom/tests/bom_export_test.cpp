// The BOM export on real bodies: rows, quantities, stock-kind codes and masses as
// openpyxl reads the workbook back; bad input. Literals are GBK; journal and workbook
// text is UTF-8.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "addon/host/tests/journal_fixture.h"
#include "bom/bom_rows.h"
#include "bom/bom_workbook.h"
#include "bom/rule_text.h"
#include "platform/geometry/body.h"
#include "platform/knowledge/part_rules.h"
#include "platform/text/host_path.h"
#include "tests/support/xlsx_reader.h"

using namespace platform;
using fabdoc_test::AddBox;
using fabdoc_test::CellType;
using fabdoc_test::CellValue;
namespace fs = std::filesystem;

namespace {

void SetBomAttributes(Body& body, const std::string& name, const std::string& number, const std::string& stock,
                      const std::string& material = "Q235", const std::string& remark = "按图制作") {
  body.attributes.Set("DB_PART_NAME", name);
  body.attributes.Set("DB_PART_NO", number);
  body.attributes.Set("suling", stock);
  body.attributes.Set("MATERIALS", material);
  body.attributes.Set("REMARK", remark);
}

std::string Journal(const std::string& folderHostPath, bool merge, const std::string& source = "0",
                    const std::string& selection = "body:A#1 body:B body:A#2 body:A#3") {
  std::string text = "action bom_shuchu\n  set enum0 " + source + "\n";
  if (source == "0") text += "  select selection0 " + selection + "\n";
  std::string quoted;
  for (char c : folderHostPath) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  text += "  set filepath \"" + quoted + "\"\n  set toggle0 " + (merge ? "true" : "false") + "\n  ok\n";
  return text;
}

std::string Bytes(const fs::path& file) { return fabdoc_test::FileBytes(file); }

}  // namespace

class BomExport : public kzt_test::CommandTest {
protected:
  // Bodies named A, B, A, A in creation order; frame.prt is the work part.
  void SetUp() override {
    CommandTest::SetUp();
    setenv("FABDOC_SOURCE_DIR", FABDOC_TEST_SOURCE_DIR, 0);  // where openpyxl's script and the template are
    part = &session().NewPart("\\p\\frame.prt");
    session().SetDisplayed(part);
    a1 = &AddBox(*part, 0, 0, 0, 20, 30, 40, "A");
    b = &AddBox(*part, 100, 0, 0, 10, 10, 10, "B");
    a2 = &AddBox(*part, 200, 0, 0, 20, 30, 40, "A");
    a3 = &AddBox(*part, 300, 0, 0, 20, 30, 40, "A");
    for (Body* body : {a1, a2, a3}) SetBomAttributes(*body, "连接板", "P-1", "钢板(δ20×30×40)");
    SetBomAttributes(*b, "立柱", "P-2", "方管(40×40×3)", "Q345", "外购件");
    out = fs::path(folder) / "out";
    fs::create_directories(out);
    outHost = ToHostPath(out.string()) + "\\";
    templateBytes = Bytes(fabdoc_test::BomTemplate());
  }
  void TearDown() override {
    EXPECT_EQ(Bytes(fabdoc_test::BomTemplate()), templateBytes) << "the template is never modified";
    if (auto* rules = knowledge::PartRules::Get().Find(*part)) {
      EXPECT_TRUE(rules->Names().empty()) << "rules left behind";
    }
    EXPECT_EQ(knowledge::PartRules::Get().OpenWorkbooks(), 0u) << "a workbook left open";
    CommandTest::TearDown();
  }
  void Export(bool merge, const std::string& source = "0") {
    const std::string text = Journal(outHost, merge, source);
    Run(reinterpret_cast<const char8_t*>(text.c_str()));
  }
  std::string Text(const nlohmann::json& book, const std::string& cell) {
    const auto& v = CellValue(book, Utf8("明细表"), cell);
    return v.is_string() ? v.get<std::string>() : v.dump();
  }
  double Number(const nlohmann::json& book, const std::string& cell) {
    EXPECT_EQ(CellType(book, Utf8("明细表"), cell), "n") << cell << " is a numeric cell";
    const auto& v = CellValue(book, Utf8("明细表"), cell);
    return v.is_number() ? v.get<double>() : -1;
  }
  bool Empty(const nlohmann::json& book, const std::string& cell) {
    return CellValue(book, Utf8("明细表"), cell).is_null();
  }
  Part* part = nullptr;
  Body *a1 = nullptr, *b = nullptr, *a2 = nullptr, *a3 = nullptr;
  fs::path out;
  std::string outHost, templateBytes;
};

TEST_F(BomExport, MergedRowsCountEqualNamesAndKeepTheHeader) {
  Export(true);
  ASSERT_TRUE(fs::exists(out / "frame.xlsx"));
  EXPECT_TRUE(fs::exists(out / "kzt.xlsx")) << "the working copy stays beside the result";
  const auto book = fabdoc_test::ReadWithOpenpyxl(out / "frame.xlsx");
  EXPECT_EQ(Text(book, "A1"), Utf8("零件明细表"));
  EXPECT_EQ(Text(book, "A2"), Utf8("序号"));
  EXPECT_EQ(Text(book, "G3"), Utf8("单重(kg)"));
  // Row 4: A, quantity 3; row 5: B, quantity 1; nothing after.
  EXPECT_EQ(Number(book, "A4"), 1);
  EXPECT_EQ(Text(book, "B4"), "P-1");
  EXPECT_EQ(Text(book, "C4"), Utf8("连接板"));
  EXPECT_EQ(Text(book, "D4"), Utf8("钢板(δ20×30×40)"));
  EXPECT_EQ(Number(book, "E4"), 3);
  EXPECT_EQ(Text(book, "F4"), "Q235");
  EXPECT_EQ(Text(book, "I4"), Utf8("按图制作"));
  EXPECT_EQ(Number(book, "J4"), 4);
  EXPECT_EQ(Number(book, "A5"), 2);
  EXPECT_EQ(Text(book, "C5"), Utf8("立柱"));
  EXPECT_EQ(Number(book, "E5"), 1);
  EXPECT_EQ(Text(book, "F5"), "Q345");
  EXPECT_EQ(Number(book, "J5"), 2);
  EXPECT_TRUE(Empty(book, "A6") && Empty(book, "C6"));
  EXPECT_EQ(CellType(book, Utf8("明细表"), "H4"), "f") << "column 8 keeps the template's formula";
  // The unit mass is the host's mass in kg, written with "%f" (six decimals).
  const double kg4 = a1->Mass().mass / 1000, kg5 = b->Mass().mass / 1000;
  EXPECT_NEAR(Number(book, "G4"), kg4, 5e-7);
  EXPECT_NEAR(Number(book, "G5"), kg5, 5e-7);
  EXPECT_NEAR(kg4, 20 * 30 * 40 * 7.8e-6, 1e-6) << "a steel box of 24 cm3";
}

TEST_F(BomExport, UnmergedRowsOnePerBodyNumberedInOrder) {
  Export(false);
  const auto book = fabdoc_test::ReadWithOpenpyxl(out / "frame.xlsx");
  const char* names[] = {"连接板", "立柱", "连接板", "连接板"};
  for (int i = 0; i < 4; ++i) {
    const std::string row = std::to_string(i + 4);
    EXPECT_EQ(Number(book, "A" + row), i + 1);
    EXPECT_EQ(Text(book, "C" + row), Utf8(names[i]));
    EXPECT_EQ(Number(book, "E" + row), 1) << "quantity 1 without merging";
  }
  EXPECT_TRUE(Empty(book, "A8"));
}

TEST_F(BomExport, EveryBodyOfTheWorkPartAndAFreshCopyEachRun) {
  Export(false, "1");  // every solid body: four rows
  Export(true, "1");   // then merged: two rows, and the old rows 6 and 7 are gone
  const auto book = fabdoc_test::ReadWithOpenpyxl(out / "frame.xlsx");
  EXPECT_EQ(Number(book, "E4"), 3);
  EXPECT_EQ(Number(book, "E5"), 1);
  EXPECT_TRUE(Empty(book, "A6") && Empty(book, "A7") && Empty(book, "C7"));
}

TEST_F(BomExport, SelectionShowsOnlyForPickedBodies) {
  Run(u8R"J(
action bom_shuchu
  expect selection0.Show true
  set enum0 1
  expect selection0.Show false
  set enum0 0
  expect selection0.Show true
  cancel
)J");
  EXPECT_FALSE(fs::exists(out / "frame.xlsx")) << "cancel writes nothing";
}

TEST_F(BomExport, StockKindCodesFollowTheTextBeforeTheBracket) {
  EXPECT_EQ(kzt::stock_kind_code("钢板(δ10×200×300)"), 4);
  EXPECT_EQ(kzt::stock_kind_code("钢板"), 4);
  EXPECT_EQ(kzt::stock_kind_code(""), 1);
  EXPECT_EQ(kzt::stock_kind_code("木板(20)"), 15);
  EXPECT_EQ(kzt::stock_kind_code("钢板 (10)"), 15) << "compared exactly";
  EXPECT_EQ(kzt::stock_kind_code("PU软管(Φ8)"), 14);
  EXPECT_EQ(kzt::stock_kind_code("EVA板40°"), 10);
  // And in the workbook: bare 钢板, empty and unknown kinds.
  a2->attributes.Set("suling", "钢板");
  a3->attributes.Set("suling", "");
  b->attributes.Set("suling", "木板(20)");
  Export(false);
  const auto book = fabdoc_test::ReadWithOpenpyxl(out / "frame.xlsx");
  EXPECT_EQ(Number(book, "J4"), 4);
  EXPECT_EQ(Number(book, "J5"), 15);
  EXPECT_EQ(Number(book, "J6"), 4);
  EXPECT_EQ(Number(book, "J7"), 1);
  EXPECT_TRUE(Empty(book, "D7")) << "an empty specification empties the cell";
}

TEST_F(BomExport, QuotesAndBackslashesReachTheCellExactly) {
  // 乗 is a GBK character whose second byte is 0x5C, the byte of a backslash.
  const std::string tricky = "say \"hi\" \\ C:\\d\\\\ 乗\"";
  a1->attributes.Set("DB_PART_NAME", tricky);
  b->attributes.Set("REMARK", "\\");
  Export(false);
  const auto book = fabdoc_test::ReadWithOpenpyxl(out / "frame.xlsx");
  EXPECT_EQ(Text(book, "C4"), Utf8(tricky));
  EXPECT_EQ(Text(book, "I5"), "\\");
  EXPECT_EQ(Text(book, "C6"), Utf8("连接板")) << "the rows after it are there too";
  EXPECT_EQ(kzt::escape_rule_string("乗\"\\"), "乗\\\"\\\\") << "the trail byte 0x5C is left alone";
}

TEST_F(BomExport, FolderWithoutSeparatorPrefixesTheFolderName) {
  EXPECT_EQ(kzt::part_base_name("D:\\a\\b\\frame.prt"), "frame");
  EXPECT_EQ(kzt::part_base_name("frame"), "frame");
  EXPECT_EQ(kzt::part_base_name("D:\\a.b\\frame.v2.prt"), "frame.v2");
  const kzt::BomFiles files = kzt::bom_files("D:\\jobs\\out", "D:\\jobs\\frame.prt");
  EXPECT_EQ(files.workingCopy, "D:\\jobs\\outkzt");
  EXPECT_EQ(files.result, "D:\\jobs\\outframe");
}

TEST_F(BomExport, MissingTemplateSaysSoAndWritesNothing) {
  const std::string empty = fabdoc_test::FreshDir("no-template");
  const char* old = std::getenv("UGII_BASE_DIR");
  const std::string saved = old ? old : "";
  setenv("UGII_BASE_DIR", empty.c_str(), 1);
  const std::string shown = RunCapturing(reinterpret_cast<const char8_t*>(Journal(outHost, true).c_str()));
  if (old) setenv("UGII_BASE_DIR", saved.c_str(), 1);
  else unsetenv("UGII_BASE_DIR");
  const auto messages = Shown("message");
  ASSERT_EQ(messages.size(), 1u) << shown;
  EXPECT_EQ(messages[0].rfind(Utf8("数据库文件不存在"), 0), 0u) << messages[0];
  EXPECT_NE(messages[0].find(Utf8("明细表模版.xlsx")), std::string::npos) << "names the template";
  EXPECT_FALSE(fs::exists(out / "frame.xlsx"));
  EXPECT_FALSE(fs::exists(out / "kzt.xlsx"));
}

TEST_F(BomExport, FolderThatCannotBeWrittenIsNamed) {
  outHost = ToHostPath((out / "missing").string()) + "\\";
  Export(true);
  const auto messages = Shown("message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("missing"), std::string::npos) << messages[0];
  EXPECT_FALSE(fs::exists(out / "missing"));
  EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(BomExport, ReadOnlyOrOpenResultIsRefusedAndKept) {
  const fs::path result = out / "frame.xlsx";
  { std::ofstream(result) << "yesterday's list"; }
  ::chmod(result.c_str(), 0444);
  Export(true);
  auto messages = Shown("message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("read-only"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("frame.xlsx"), std::string::npos) << messages[0];
  EXPECT_EQ(Bytes(result), "yesterday's list");
  ::chmod(result.c_str(), 0644);

  platform::ui::ClearHistory();
  { std::ofstream(out / ".~lock.frame.xlsx#") << "someone"; }
  Export(true);
  messages = Shown("message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("open in another program"), std::string::npos) << messages[0];
  EXPECT_EQ(Bytes(result), "yesterday's list");
  for (const auto& entry : fs::directory_iterator(out))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "no temporary file left";
}

TEST_F(BomExport, LockedWorkingCopyStopsBeforeAnyRuleAndLeavesNoResult) {
  { std::ofstream(out / "~$kzt.xlsx") << "excel"; }
  Export(true);
  const auto messages = Shown("message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("kzt.xlsx"), std::string::npos) << messages[0];
  EXPECT_FALSE(fs::exists(out / "frame.xlsx"));
}

TEST_F(BomExport, LibreOfficeOpensTheResultAndItsFormulaTotalsTheMass) {
  Export(true);
  // A profile of its own, so that runs in parallel do not share one.
  const std::string command = "cd '" + out.string() + "' && soffice -env:UserInstallation=file://" + out.string() +
                              "/profile --headless --convert-to csv:\"Text - txt - csv (StarCalc)\":44,34,76 "
                              "--outdir csv frame.xlsx > convert.log 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << Bytes(out / "convert.log");
  std::ifstream csv(out / "csv" / "frame.csv");
  std::vector<std::string> lines;
  for (std::string line; std::getline(csv, line);) lines.push_back(line);
  ASSERT_GE(lines.size(), 5u) << Bytes(out / "convert.log");
  // Unit masses as the column shows them (three decimals); the total is the template's
  // formula, quantity times unit mass: 3 x 0.1872 kg for A, 1 x 0.0078 kg for B.
  auto kg = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return std::string(text);
  };
  const double unitA = a1->Mass().mass / 1000, unitB = b->Mass().mass / 1000;
  EXPECT_EQ(lines[3], Utf8("1,P-1,连接板,钢板(δ20×30×40),3,Q235,") + kg(unitA) + "," + kg(3 * unitA) + "," +
                          Utf8("按图制作") + ",4");
  EXPECT_EQ(lines[4], Utf8("2,P-2,立柱,方管(40×40×3),1,Q345,") + kg(unitB) + "," + kg(unitB) + "," + Utf8("外购件") + ",2");
  EXPECT_EQ(lines[1].substr(0, 6), Utf8("序号"));
}
