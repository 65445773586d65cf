// The DXF/DWG translator: a sheet of an open part written as DWG with the add-on's
// settings and read back by both readers; revisions, refused settings, a missing part or
// sheet, a name no file may have, a sheet without views (nothing written).
#include <gtest/gtest.h>

#include <filesystem>

#include <NXOpen/NXException.hxx>
#include <NXOpen/Session.hxx>

#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/dwg/sheet_dwg.h"
#include "platform/files/sheet_template.h"
#include "platform/text/gbk.h"
#include "platform/ui/messages.h"
#include "tests/support/dwg_readers.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

class DxfdwgCreatorTest : public fabdoc_test::DraftingTest {
protected:
  void SetUp() override {
    dir = fabdoc_test::FreshDir("dxfdwg");  // one per test: ctest runs them side by side
    part = &session().NewPart(ToHostPath((dir / "frame.prt").string()));
    fabdoc_test::AddBox(*part, 0, 0, 0, 200, 100, 50);
    sheet = &drafting::AddSheetFromTemplate(*part, SheetTemplate("A3_bujian.prt"), text::ToGbk("机架-1"));
    drafting::AddBaseView(*sheet, *part, "Front", 0.5, {150, 200});
    drafting::UpdateOutOfDateViews(*sheet);
    ui::ClearHistory();
  }
  // A creator with the add-on's settings for `sheetName` into `file`.
  NXOpen::DxfdwgCreator* Creator(const std::string& gbkSheet, const fs::path& file, int revision = 4) {
    auto* c = NXOpen::Session::GetSession()->DexManager()->CreateDxfdwgCreator();
    c->SetExportData(NXOpen::DxfdwgCreator::ExportDataOptionDrawing);
    c->SetAutoCADRevision(static_cast<NXOpen::DxfdwgCreator::AutoCADRevisionOptions>(revision));
    c->SetOutputFileType(NXOpen::DxfdwgCreator::OutputFileTypeOptionDwg);
    c->SetOutputFile(NXOpen::NXString(ToHostPath(file.string())));
    c->SetInputFile(NXOpen::NXString(part->path));
    c->SetDrawingList(NXOpen::NXString(gbkSheet));
    return c;
  }
  int CommitStatus(NXOpen::DxfdwgCreator* c) {
    try {
      c->Commit();
      c->Destroy();
      return 0;
    } catch (const NXOpen::NXException& e) {
      message = text::ToUtf8(e.Message());
      c->Destroy();
      return e.ErrorCode();
    }
  }
  fs::path dir;
  Part* part = nullptr;
  DrawingSheet* sheet = nullptr;
  std::string message;
};

}  // namespace

TEST_F(DxfdwgCreatorTest, WritesTheSheetAsBothReadersSeeIt) {
  const fs::path file = dir / fs::path(u8"机架-1.dwg");
  testing::internal::CaptureStderr();
  ASSERT_EQ(CommitStatus(Creator(text::ToGbk("机架-1"), file)), 0) << message;
  const std::string log = testing::internal::GetCapturedStderr();
  dwg_test::ExpectBothReadersAgree(file, dwg::SheetToDwg(drafting::DrawingOf(*sheet)));
  // Revision 4 is written as AutoCAD 2000 and the log says so, naming the file as this
  // machine writes its path.
  EXPECT_NE(log.find("syslog: DXF/DWG export: AutoCAD revision 4 written as AutoCAD 2000 (AC1015): " + file.string() + "\n"),
            std::string::npos)
      << log;
  testing::internal::CaptureStderr();
  ASSERT_EQ(CommitStatus(Creator(text::ToGbk("机架-1"), file, 0)), 0) << message;
  EXPECT_EQ(testing::internal::GetCapturedStderr().find("syslog"), std::string::npos)
      << "AutoCAD 2000 asked, AutoCAD 2000 written";
}

TEST_F(DxfdwgCreatorTest, RefusesWhatItCannotWriteNamingIt) {
  auto* dxf = Creator(text::ToGbk("机架-1"), dir / "a.dxf");
  dxf->SetOutputFileType(NXOpen::DxfdwgCreator::OutputFileTypeOptionDxf);
  EXPECT_EQ(CommitStatus(dxf), static_cast<int>(HostStatus::NotImplemented));
  EXPECT_EQ(CommitStatus(Creator(text::ToGbk("机架-9"), dir / "b.dwg")), static_cast<int>(HostStatus::NotFound));
  EXPECT_NE(message.find("机架-9"), std::string::npos) << message;
  auto* elsewhere = Creator(text::ToGbk("机架-1"), dir / "c.dwg");
  elsewhere->SetInputFile(NXOpen::NXString("\\nowhere\\other.prt"));
  EXPECT_EQ(CommitStatus(elsewhere), static_cast<int>(HostStatus::NotFound));
  EXPECT_NE(message.find("the part /nowhere/other.prt is not open"), std::string::npos) << message;
  EXPECT_EQ(CommitStatus(Creator(text::ToGbk("机架-1"), dir / "d:e.dwg")), static_cast<int>(HostStatus::InvalidArgument));
  EXPECT_NE(message.find("d:e.dwg"), std::string::npos) << message;
  EXPECT_EQ(CommitStatus(Creator(text::ToGbk("机架-1"), dir / "no folder" / "f.dwg")), static_cast<int>(HostStatus::FileError));
  EXPECT_TRUE(fs::is_empty(dir)) << "nothing was written";
}

TEST_F(DxfdwgCreatorTest, ASheetWithoutViewsWritesNothing) {
  drafting::AddSheetFromTemplate(*part, SheetTemplate("A4_nj.prt"), "EMPTY");
  const fs::path file = dir / "EMPTY.dwg";
  EXPECT_EQ(CommitStatus(Creator("EMPTY", file)), static_cast<int>(HostStatus::NoGeometry));
  EXPECT_NE(message.find("EMPTY"), std::string::npos) << message;
  EXPECT_NE(message.find("no views"), std::string::npos) << message;
  EXPECT_FALSE(fs::exists(file));
}
