#include "drawing/export_dwg.h"

#include <direct.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string_view>

#include <NXOpen/DexManager.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/Session.hxx>
#include <uf.h>
#include <uf_cfi.h>
#include <uf_disp.h>
#include <uf_draw.h>
#include <uf_obj.h>
#include <uf_part.h>
#include <uf_ui.h>

#include "host/gbk_text.h"
#include "host/message.h"
#include "host/scoped_destroy.h"
#include "host/report_status.h"
#include "host/uf_session.h"

namespace {

constexpr int kViewType = 60;
constexpr int kSheetViewSubtype = 10;
constexpr int kClassDialogScope = 3;

std::string object_name(tag_t object) {
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(object, name);
  return name;
}

bool folder_exists(const std::string& folder) { return _access(folder.c_str(), 0) == 0; }

}  // namespace

namespace kzt {

std::string dwg_output_folder(const std::string& partPath) {
  // The extension goes; a "." in a folder name is not one (0x2E is never a GBK trail byte).
  const auto slash = kzt::LastBackslash(partPath);
  auto dot = partPath.rfind('.');
  if (slash != std::string::npos && dot != std::string::npos && dot < slash) dot = std::string::npos;
  char folder[MAX_FSPEC_BUFSIZE + 16];
  std::snprintf(folder, sizeof folder, "%sCAD工程图", partPath.substr(0, dot).c_str());
  return folder;
}

std::string dwg_file_stem(const std::string& sheetName) {
  std::string stem;
  for (size_t i = 0; i < sheetName.size(); ++i) {
    const unsigned char c = sheetName[i];
    if (c >= 0x81 && i + 1 < sheetName.size()) {  // a double-byte character stays whole
      stem += sheetName.substr(i++, 2);
      continue;
    }
    const bool refused = c < 0x20 || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos;
    stem += refused ? '_' : static_cast<char>(c);
  }
  for (size_t i = stem.size(); i > 0 && (stem[i - 1] == '.' || stem[i - 1] == ' '); --i) stem[i - 1] = '_';
  return stem.empty() ? "_" : stem;
}

}  // namespace kzt

int select_drawing_sheets(std::vector<tag_t>& sheets) {
  kzt::UfSession uf;
  int response = 0, count = 0;
  tag_t* picked = nullptr;
  UF_UI_select_with_class_dialog("请选择图纸页---如果未选图纸,将导出所有图纸", "选择图纸页", kClassDialogScope, nullptr,
                                 nullptr, &response, &count, &picked);
  if (response != UF_UI_OK) {
    UF_free(picked);
    return 0;
  }
  for (int i = 0; i < count; ++i) {
    UF_DISP_set_highlight(picked[i], 0);
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(picked[i], &type, &subtype);
    if (type != kViewType || subtype != kSheetViewSubtype) continue;
    tag_t sheet = NULL_TAG;
    UF_DRAW_ask_drawing_of_view(picked[i], &sheet);
    sheets.push_back(sheet);
  }
  UF_free(picked);
  if (sheets.empty()) {
    int n = 0;
    tag_t* all = nullptr;
    UF_DRAW_ask_drawings(&n, &all);
    sheets.insert(sheets.end(), all, all + n);
    UF_free(all);
  }
  return 0;
}

void export_sheet_dwg(std::string partPath, std::string sheetName, std::string, std::string outputFile) {
  using NXOpen::NXString;
  // A failed sheet is said and the others go on.
  try {
    NXOpen::DxfdwgCreator* creator = NXOpen::Session::GetSession()->DexManager()->CreateDxfdwgCreator();
    kzt::ScopedDestroy<NXOpen::DxfdwgCreator> destroy(creator);
    creator->SetExportData(static_cast<NXOpen::DxfdwgCreator::ExportDataOption>(1));
    creator->SetAutoCADRevision(static_cast<NXOpen::DxfdwgCreator::AutoCADRevisionOptions>(4));
    creator->SetViewEditMode(true);
    creator->SetOutputFileType(static_cast<NXOpen::DxfdwgCreator::OutputFileTypeOption>(1));
    creator->ObjectTypes()->SetCurves(true);
    creator->ObjectTypes()->SetAnnotations(true);
    creator->ObjectTypes()->SetStructures(true);
    creator->SetOutputFile(NXString(outputFile, NXString::Locale));
    creator->SetInputFile(NXString(partPath, NXString::Locale));
    creator->SetDrawingList(NXString(sheetName, NXString::Locale));
    creator->SetFlattenAssembly(false);
    creator->SetWidthFactorMode(static_cast<NXOpen::DxfdwgCreator::WidthfactorMethodOptions>(0));
    creator->SetOverlappingEntities(true);
    creator->SetFileSaveFlag(false);
    creator->Commit();
  } catch (const NXOpen::NXException& e) {
    kzt::show_message("图纸页 \"" + sheetName + "\" 未导出DWG:\n" + e.Message());
  }
}

int export_dwg() {
  kzt::UfSession uf;
  std::vector<tag_t> sheets;
  select_drawing_sheets(sheets);

  char partPath[MAX_FSPEC_BUFSIZE] = "";
  UF_PART_ask_part_name(UF_PART_ask_display_part(), partPath);
  const std::string folder = kzt::dwg_output_folder(partPath);
  if (!folder_exists(folder)) _mkdir(folder.c_str());
  // The translator reads the part file: a save that failed leaves it the sheets as last saved.
  if (const int saved = UF_PART_save(); saved != 0)
    kzt::show_message("部件未能保存(" + uf_fail_message(saved) + "),DWG按上次保存的部件导出");
  // "folder\." exists only when the folder is one: a file of that name is in the way.
  if (!folder_exists(folder + "\\.")) {
    if (!sheets.empty()) kzt::show_message("无法创建文件夹 " + folder + ",未导出DWG");
    return 0;
  }

  for (tag_t sheet : sheets) {
    const std::string name = object_name(sheet);
    const std::string stem = kzt::dwg_file_stem(name);
    if (stem != name)
      kzt::show_message("图纸页 \"" + name + "\" 的名称含有文件名不允许的字符,导出为 " + stem + ".dwg");
    char outputFile[MAX_FSPEC_BUFSIZE + UF_OBJ_NAME_BUFSIZE + 8];
    std::snprintf(outputFile, sizeof outputFile, "%s\\%s.dwg", folder.c_str(), stem.c_str());
    int status = 1;
    UF_CFI_ask_file_exist(outputFile, &status);
    if (status == 0) DeleteFileA(outputFile);
    export_sheet_dwg(partPath, name, "", outputFile);
  }
  return 0;
}
