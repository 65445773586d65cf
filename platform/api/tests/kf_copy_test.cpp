// The host calls the BOM export makes: knowledge rules on the work part evaluated by
// update, the file copy with its workbook type, and their failures.
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include <uf.h>
#include <uf_cfi.h>
#include <uf_kf.h>
#include <uf_modl.h>

#include "platform/api/guard.h"
#include "platform/knowledge/part_rules.h"
#include "platform/text/host_path.h"
#include "tests/support/api_fixture.h"
#include "tests/support/xlsx_reader.h"

using namespace platform;
namespace fs = std::filesystem;

class KfAndCopy : public fabdoc_test::ApiPartTest {
protected:
  std::string Host(const fs::path& local) { return ToHostPath(local.string()); }
  static std::string FailText() { return api::LastFailure().text; }
  fabdoc_test::ScratchFolder scratch;
};

TEST_F(KfAndCopy, RulesWriteCellsOnUpdateOnceEach) {
  const std::string book = Host(scratch.Path() / "kzt");
  ASSERT_EQ(uc4567(Host(fabdoc_test::BomTemplate()).c_str(), book.c_str(), 1, 254, 254), 0) << FailText();
  ASSERT_TRUE(fs::exists(scratch.Path() / "kzt.xlsx")) << "type 254 appends .xlsx";
  ASSERT_EQ(UF_KF_init_part(part->GetTag()), 0);
  std::string escaped;
  for (char c : book + ".xlsx") escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  ASSERT_EQ(UF_KF_create_rule_no_update("Root:", "open", "Integer Parameter",
                                        ("ug_excel_open_file(\"" + escaped + "\",Write)").c_str(), nullptr), 0)
      << FailText();
  ASSERT_EQ(UF_KF_create_rule_no_update("Root:", "w", "Boolean Parameter",
                                        "ug_excel_write_range(open:,{1,4,3,4,3,\"A\\\"\\\\\"})", nullptr), 0);
  EXPECT_EQ(knowledge::PartRules::Get().OpenWorkbooks(), 0u) << "nothing is evaluated before update";
  ASSERT_EQ(UF_MODL_update(), 0) << FailText();
  EXPECT_EQ(knowledge::PartRules::Get().OpenWorkbooks(), 1u) << "open evaluated once for the write";
  ASSERT_EQ(UF_KF_create_rule_no_update("Root:", "close", "Boolean Parameter", "ug_excel_close_file(open:,True)", nullptr), 0);
  ASSERT_EQ(UF_MODL_update(), 0) << FailText();
  EXPECT_EQ(knowledge::PartRules::Get().OpenWorkbooks(), 0u);
  for (const char* name : {"w", "close", "open"}) EXPECT_EQ(UF_KF_delete_instance_rule("Root:", name), 0);
  const auto read = fabdoc_test::ReadWithOpenpyxl(scratch.Path() / "kzt.xlsx");
  EXPECT_EQ(fabdoc_test::CellValue(read, "明细表", "C4"), "A\"\\");
}

TEST_F(KfAndCopy, BadRulesAreHostErrorsNamingTheRule) {
  EXPECT_NE(UF_KF_create_rule_no_update("Root:", "a", "Integer", "1", nullptr), 0) << "init_part first";
  EXPECT_NE(FailText().find("UF_KF_init_part"), std::string::npos) << FailText();
  ASSERT_EQ(UF_KF_init_part(part->GetTag()), 0);
  EXPECT_NE(UF_KF_create_rule_no_update("Root:", "bad", "Boolean Parameter", "f(open:,{1,2", nullptr), 0);
  EXPECT_NE(FailText().find("rule bad"), std::string::npos) << FailText();
  EXPECT_TRUE(knowledge::PartRules::Get().Find(*part)->Names().empty()) << "not created";
  EXPECT_NE(UF_KF_create_rule_no_update("Child:", "a", "Integer", "1", nullptr), 0);
  EXPECT_NE(UF_KF_delete_instance_rule("Root:", "nothing"), 0);
  ASSERT_EQ(UF_KF_create_rule_no_update("Root:", "n", "Integer", "1", nullptr), 0);
  EXPECT_NE(UF_KF_create_rule_no_update("Root:", "n", "Integer", "(", nullptr), 0) << "no replacement by bad text";
  ASSERT_EQ(UF_KF_create_rule_no_update("Root:", "n", "Integer", "\"x\"", nullptr), 0) << "replaced";
  EXPECT_NE(UF_MODL_update(), 0) << "a string is not an Integer";
  EXPECT_NE(FailText().find("rule n"), std::string::npos) << FailText();
  ASSERT_EQ(UF_KF_create_rule_no_update("Root:", "o", "Integer", "ug_excel_open_file(\"\\\\nowhere\\\\x.xlsx\",Write)", nullptr), 0);
  ASSERT_EQ(UF_KF_delete_instance_rule("Root:", "n"), 0);
  EXPECT_NE(UF_MODL_update(), 0);
  EXPECT_NE(FailText().find("x.xlsx"), std::string::npos) << "the missing workbook is named: " << FailText();
}

TEST_F(KfAndCopy, CopyRefusesWhatItMustNotReplace) {
  const fs::path src = scratch.Path() / "a.txt", dst = scratch.Path() / "b.txt";
  { std::ofstream(src) << "new"; }
  { std::ofstream(dst) << "old"; }
  EXPECT_EQ(uc4567(Host(src).c_str(), Host(dst).c_str(), 33, -1, -1), 0) << FailText();
  EXPECT_EQ(fabdoc_test::FileBytes(dst), "new");
  EXPECT_EQ(fabdoc_test::FileBytes(src), "new") << "the source is only read";
  EXPECT_NE(uc4567(Host(scratch.Path() / "none.txt").c_str(), Host(dst).c_str(), 1, -1, -1), 0);
  EXPECT_NE(FailText().find("none.txt"), std::string::npos);
  ::chmod(dst.c_str(), 0444);
  { std::ofstream(src) << "newer"; }
  EXPECT_NE(uc4567(Host(src).c_str(), Host(dst).c_str(), 33, -1, -1), 0);
  EXPECT_NE(FailText().find("read-only"), std::string::npos) << FailText();
  EXPECT_EQ(fabdoc_test::FileBytes(dst), "new");
  ::chmod(dst.c_str(), 0644);
  EXPECT_NE(uc4567(Host(src).c_str(), Host(dst).c_str(), 7, -1, -1), 0) << "unknown mode";
  EXPECT_NE(uc4567(Host(src).c_str(), Host(dst).c_str(), 1, 87, -1), 0) << "unknown type";
  EXPECT_NE(uc4567(Host(src).c_str(), Host(scratch.Path() / "no" / "c.txt").c_str(), 1, -1, -1), 0);
  EXPECT_EQ(fabdoc_test::FileBytes(dst), "new");
}

TEST_F(KfAndCopy, PartFileTypeCopiesAPartUnderItsOwnEnding) {
  const fs::path src = scratch.Path() / "XJ01-BASE-1.prt";
  { std::ofstream(src) << "part bytes"; }
  fs::create_directories(scratch.Path() / "backup");
  // Type 2 is a part file: a name without ".prt" gets it, one with it keeps it.
  ASSERT_EQ(uc4567(Host(src).c_str(), Host(scratch.Path() / "backup" / "XJ01-BASE-1").c_str(), 1, 2, 2), 0)
      << FailText();
  EXPECT_EQ(fabdoc_test::FileBytes(scratch.Path() / "backup" / "XJ01-BASE-1.prt"), "part bytes");
  ASSERT_EQ(uc4567(Host(src).c_str(), Host(scratch.Path() / "backup" / "copy.PRT").c_str(), 1, 2, 2), 0);
  EXPECT_TRUE(fs::exists(scratch.Path() / "backup" / "copy.PRT"));
  EXPECT_FALSE(fs::exists(scratch.Path() / "backup" / "copy.PRT.prt"));
  // The ending is compared without case for workbooks too.
  ASSERT_EQ(uc4567(Host(src).c_str(), Host(scratch.Path() / "backup" / "book.XLSX").c_str(), 1, -1, 254), 0);
  EXPECT_TRUE(fs::exists(scratch.Path() / "backup" / "book.XLSX"));
  EXPECT_FALSE(fs::exists(scratch.Path() / "backup" / "book.XLSX.xlsx"));
}
