// The DXF/DWG translator: a drawing sheet of an open part, flattened as the renderer
// draws it, written as a DWG file by the platform's writer.
#include <NXOpen/DexManager.hxx>
#include <NXOpen/Session.hxx>

#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheets.h"
#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/sheet_dwg.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/session.h"
#include "platform/text/file_name.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"
#include "platform/ui/messages.h"

using platform::HostStatus;
using platform::nxopen::Call;
using platform::nxopen::Throw;

namespace NXOpen {

namespace {

std::string Utf8(const std::string& gbk) { return platform::text::ToUtf8(gbk); }

}  // namespace

DxfdwgCreator* DexManager::CreateDxfdwgCreator() { return new DxfdwgCreator(); }

NXOpen::DexManager* Session::DexManager() { return &dex_; }

bool DxfdwgCreator::Validate() {
  return !inputFile_.empty() && !drawingList_.empty() && !outputFile_.empty();
}

NXObject* DxfdwgCreator::Commit() {
  Call([&] {
    if (outputFileType_ != OutputFileTypeOptionDwg)
      Throw(HostStatus::NotImplemented, "DXF/DWG export: this host writes DWG files only (output file type 1)");
    if (exportData_ != ExportDataOptionDrawing)
      Throw(HostStatus::NotImplemented, "DXF/DWG export: this host exports drawing sheets only (export data 1)");
    if (outputFile_.empty()) Throw(HostStatus::InvalidArgument, "DXF/DWG export: no output file is set");
    const std::string fileName = platform::HostFileName(outputFile_);
    if (!platform::text::FitsFileName(fileName))
      Throw(HostStatus::InvalidArgument, "DXF/DWG export: \"" + Utf8(fileName) + "\" cannot be a file name");
    platform::Part* part = platform::Session::Get().FindPartByPath(inputFile_);
    if (!part) Throw(HostStatus::NotFound, "DXF/DWG export: the part " + platform::ShownPath(inputFile_) + " is not open");
    platform::DrawingSheet* sheet = platform::drafting::FindSheet(*part, drawingList_);
    if (!sheet)
      Throw(HostStatus::NotFound, "DXF/DWG export: the part " + platform::ShownPath(inputFile_) + " has no sheet \"" +
                                      Utf8(drawingList_) + "\"");
    std::vector<std::string> undrawn;
    const platform::drafting::SheetDrawing flat = platform::drafting::DrawingOf(*sheet, &undrawn);
    std::string names;
    for (const std::string& view : undrawn) names += (names.empty() ? "" : ", ") + view;  // UTF-8 already
    if (flat.views.empty())
      Throw(HostStatus::NoGeometry, "DXF/DWG export: the sheet \"" + Utf8(drawingList_) + "\" has no " +
                                        (undrawn.empty() ? "views" : "updated views (" + names + ")") + "; " +
                                        platform::ShownPath(outputFile_) + " is not written");
    if (!undrawn.empty())
      platform::ui::WriteSyslog(platform::text::ToGbk("DXF/DWG export: views never updated are left out of " +
                                                      platform::ShownPath(outputFile_) + ": " + names + "\n"));
    // Every revision is written as AutoCAD 2000, which every later reader opens.
    if (revision_ != AutoCADRevisionOptionsR2000)
      platform::ui::WriteSyslog(platform::text::ToGbk("DXF/DWG export: AutoCAD revision " + std::to_string(revision_) +
                                                      " written as AutoCAD 2000 (AC1015): " +
                                                      platform::ShownPath(outputFile_) + "\n"));
    platform::dwg::WriteDwgFile(platform::dwg::SheetToDwg(flat), platform::ToLocalPath(outputFile_));
  });
  return nullptr;
}

}  // namespace NXOpen
