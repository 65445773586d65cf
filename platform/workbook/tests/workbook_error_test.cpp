// Bad input to the workbook editor: each case a clear error naming the file or cell,
// and nothing on disk changed.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/workbook/package.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/workbook_error.h"
#include "tests/support/xlsx_reader.h"

using namespace fabdoc_test;
using namespace platform::workbook;
namespace fs = std::filesystem;

namespace {

// Runs `action`, expects a WorkbookError of `problem` whose message holds `mention`.
template <class Action>
void ExpectProblem(WorkbookProblem problem, const std::string& mention, Action action) {
  try {
    action();
    ADD_FAILURE() << "no error; expected one mentioning " << mention;
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.Problem(), problem) << e.what();
    EXPECT_NE(std::string(e.what()).find(mention), std::string::npos) << e.what();
  }
}

void WriteFile(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

TEST(WorkbookErrors, OpeningSomethingThatIsNotAWorkbook) {
  ScratchFolder folder;
  const fs::path missing = folder.Path() / "无此文件.xlsx";
  ExpectProblem(WorkbookProblem::MissingFile, missing.string(), [&] { Workbook::Open(missing); });
  ExpectProblem(WorkbookProblem::NotAWorkbook, folder.Path().string(), [&] { Workbook::Open(folder.Path()); });
  const fs::path text = folder.Path() / "notes.xlsx";
  WriteFile(text, "序号,图号\n1,A\n");
  ExpectProblem(WorkbookProblem::NotAWorkbook, "notes.xlsx", [&] { Workbook::Open(text); });
  const fs::path truncated = folder.Path() / "truncated.xlsx";
  WriteFile(truncated, FileBytes(BomTemplate()).substr(0, 3000));
  ExpectProblem(WorkbookProblem::NotAWorkbook, "truncated.xlsx", [&] { Workbook::Open(truncated); });
  // A zip, but of something else.
  Package other;
  other.Put("readme.txt", "hello");
  const fs::path zip = folder.Path() / "other.xlsx";
  other.Write(zip);
  ExpectProblem(WorkbookProblem::NotAWorkbook, "_rels/.rels", [&] { Workbook::Open(zip); });
}

// Damage found by the workbook driver in fuzz/: refused naming the file, not a crash,
// an overflow or gigabytes of memory.
TEST(WorkbookErrors, DamagedPartsOfAWorkbookAreRefusedNamingTheFile) {
  ScratchFolder folder;
  const Package good = Package::Read(BomTemplate());
  const std::string sheet = good.Get("xl/worksheets/sheet1.xml");
  const auto rowAt = sheet.find("<row ");
  ASSERT_NE(rowAt, std::string::npos);
  struct Case {
    const char* name;
    std::string insert;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"last-row.xlsx", "<row r=\"1048576\"/><row/>", "row 1048577, outside the sheet"},
      {"huge-row.xlsx", "<row r=\"2147483647\"/><row/>", "row 2147483647, outside the sheet"},
      {"past-int.xlsx", "<row r=\"99999999999\"/>", "outside the sheet"},
  };
  for (const auto& c : cases) {
    Package damaged = good;
    damaged.Put("xl/worksheets/sheet1.xml", std::string(sheet).insert(rowAt, c.insert));
    const fs::path file = folder.Path() / c.name;
    damaged.Write(file);
    ExpectProblem(WorkbookProblem::NotAWorkbook, c.expected, [&] {
      Workbook book = Workbook::Open(file);
      book.WriteText(1, 4, 2, "A");
    });
    ExpectProblem(WorkbookProblem::NotAWorkbook, c.name, [&] {
      Workbook book = Workbook::Open(file);
      book.WriteText(1, 4, 2, "A");
    });
  }
  // An archive whose directory claims 2 GB parts: refused before anything is allocated.
  std::string bytes = FileBytes(BomTemplate());
  const std::string central("PK\x01\x02", 4);
  for (size_t at = bytes.find(central); at != std::string::npos; at = bytes.find(central, at + 4))
    bytes.replace(at + 24, 4, "\xff\xff\xff\x7f");  // each entry's uncompressed size
  const fs::path bomb = folder.Path() / "bomb.xlsx";
  WriteFile(bomb, bytes);
  ExpectProblem(WorkbookProblem::NotAWorkbook, "claims more than 256 MB", [&] { Workbook::Open(bomb); });
}

// Archives that once made the reader use memory it had already freed (found by the
// workbook driver under the sanitizers; the sanitizer build is what catches them again).
TEST(WorkbookErrors, DamagedArchivesOfTheCorpusAreRefusedNamingTheFile) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  ASSERT_NE(source, nullptr) << "FABDOC_SOURCE_DIR must point at the sources";
  ScratchFolder folder;
  int seen = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(source) / "platform/workbook/tests/corpus")) {
    const fs::path copy = folder.Path() / ("损坏-" + entry.path().filename().string());
    fs::copy_file(entry.path(), copy);
    ExpectProblem(WorkbookProblem::NotAWorkbook, copy.string(), [&] { Workbook::Open(copy); });
    ++seen;
  }
  EXPECT_GE(seen, 1);
}

// Workbook XML that pugixml reads and every XML reader refuses (openpyxl refused the BOM
// exported from such a template, after the export had reported success).
TEST(WorkbookErrors, XmlThatIsNotWellFormedIsRefusedAsUnreadable) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  ASSERT_NE(source, nullptr) << "FABDOC_SOURCE_DIR must point at the sources";
  ScratchFolder folder;
  const fs::path given = folder.Path() / "bom-template-bad-xml.xlsx";
  fs::copy_file(fs::path(source) / "platform/workbook/tests/damaged/bom-template-bad-xml.xlsx", given);
  ExpectProblem(WorkbookProblem::NotAWorkbook, "xl/workbook.xml is not readable XML", [&] { Workbook::Open(given); });

  const Package good = Package::Read(BomTemplate());
  const std::string workbook = good.Get("xl/workbook.xml");
  const auto sheetsAt = workbook.find("<sheets>");
  ASSERT_NE(sheetsAt, std::string::npos);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"bytes-not-utf8.xlsx", "<definedNames><definedName name=\"x\">\xff\xfe</definedName></definedNames>"},
      {"surrogate.xlsx", "<definedNames><definedName name=\"&#xD800;\">A1</definedName></definedNames>"},
      {"control-reference.xlsx", "<definedNames><definedName name=\"x\">&#1;</definedName></definedNames>"},
      {"undeclared-prefix.xlsx", "<x14:fileVersion/>"},
      {"attribute-twice.xlsx", "<bookViews><workbookView activeTab=\"0\" activeTab=\"1\"/></bookViews>"},
  };
  for (const auto& [name, insert] : cases) {
    Package damaged = good;
    damaged.Put("xl/workbook.xml", std::string(workbook).insert(sheetsAt, insert));
    const fs::path file = folder.Path() / name;
    damaged.Write(file);
    const std::string before = FileBytes(file);
    ExpectProblem(WorkbookProblem::NotAWorkbook, name + ": not a workbook (part xl/workbook.xml is not readable XML", [&] {
      Workbook book = Workbook::Open(file);
      book.WriteText(1, 4, 2, "A");
      book.Save();
    });
    EXPECT_EQ(FileBytes(file), before) << name;
  }
  // What the editor writes itself still reads: declared prefixes and an escaped tab pass.
  Package fine = good;
  fine.Put("xl/workbook.xml", std::string(workbook).insert(sheetsAt, "<r:x xmlns:r=\"urn:r\" a=\"&#9;\"/>"));
  const fs::path fineFile = folder.Path() / "declared.xlsx";
  fine.Write(fineFile);
  EXPECT_NO_THROW(Workbook::Open(fineFile));
}

TEST(WorkbookErrors, CellsThatDoNotExistAndValuesACellCannotHold) {
  ScratchFolder folder;
  Workbook book = Workbook::Open(folder.CopyOfTemplate());
  ExpectProblem(WorkbookProblem::BadCell, "sheet 3", [&] { book.WriteNumber(3, 1, 1, 1); });
  ExpectProblem(WorkbookProblem::BadCell, "sheet 0", [&] { book.WriteNumber(0, 1, 1, 1); });
  ExpectProblem(WorkbookProblem::BadCell, "row 0", [&] { book.WriteText(1, 0, 1, "x"); });
  ExpectProblem(WorkbookProblem::BadCell, "column 16385", [&] { book.WriteText(1, 1, 16385, "x"); });
  ExpectProblem(WorkbookProblem::BadCell, "row 1048577", [&] { book.WriteText(1, 1048577, 1, "x"); });
  ExpectProblem(WorkbookProblem::BadValue, "G4", [&] { book.WriteNumber(1, 4, 7, std::nan("")); });
  ExpectProblem(WorkbookProblem::BadValue, "G4", [&] { book.WriteNumber(1, 4, 7, INFINITY); });
  // GBK bytes of 钢板 handed over unconverted.
  ExpectProblem(WorkbookProblem::BadValue, "D4", [&] { book.WriteText(1, 4, 4, "\xB8\xD6\xB0\xE5"); });
}

TEST(WorkbookErrors, AFolderThatCannotBeWrittenLeavesNothing) {
  ScratchFolder folder;
  Workbook book = Workbook::Open(folder.CopyOfTemplate());
  book.WriteText(1, 4, 2, "A");
  ExpectProblem(WorkbookProblem::CannotWrite, "does not exist", [&] { book.SaveAs(folder.Path() / "gone" / "r.xlsx"); });
  // The kernel's own folder refuses new files even to root.
  ExpectProblem(WorkbookProblem::CannotWrite, "/proc/r.xlsx", [&] { book.SaveAs("/proc/r.xlsx"); });
  if (::geteuid() != 0) {
    const fs::path locked = folder.Path() / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    ExpectProblem(WorkbookProblem::CannotWrite, "locked", [&] { book.SaveAs(locked / "r.xlsx"); });
    fs::permissions(locked, fs::perms::owner_all);
  }
  // Only the working copy is there: no temporary file was left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);
}

TEST(WorkbookErrors, ReadOnlyOrOpenElsewhereIsRefusedAndTheFileKept) {
  ScratchFolder folder;
  const fs::path copy = folder.CopyOfTemplate();
  const std::string original = FileBytes(copy);
  Workbook book = Workbook::Open(copy);
  book.WriteText(1, 4, 2, "A");

  fs::permissions(copy, fs::perms::owner_read | fs::perms::group_read);
  ExpectProblem(WorkbookProblem::ReadOnly, "read-only", [&] { book.Save(); });
  EXPECT_EQ(FileBytes(copy), original);
  fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write);

  // Excel's and LibreOffice's lock files beside the workbook.
  for (const std::string lock : {"~$kzt.xlsx", ".~lock.kzt.xlsx#"}) {
    WriteFile(folder.Path() / lock, "someone");
    ExpectProblem(WorkbookProblem::InUse, lock, [&] { book.Save(); });
    EXPECT_EQ(FileBytes(copy), original);
    fs::remove(folder.Path() / lock);
  }
  book.Save();
  EXPECT_NE(FileBytes(copy), original);
}

TEST(WorkbookErrors, TheTemplateItselfIsNeverModified) {
  const std::string original = FileBytes(BomTemplate());
  ScratchFolder folder;
  Workbook book = Workbook::Open(BomTemplate());
  book.WriteText(1, 4, 2, "A");
  book.SaveAs(folder.Path() / "filled.xlsx");
  EXPECT_EQ(FileBytes(BomTemplate()), original);
}

}  // namespace
