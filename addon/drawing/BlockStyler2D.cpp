// The drawing dialog: its blocks, jobs and callbacks. The pipelines live in the other
// files of this folder; the members here forward to them.
#include "drawing/BlockStyler2D.hpp"

#include <memory>

#include <NXOpen/BlockStyler_PropertyList.hxx>
#include <NXOpen/Selection.hxx>
#include <uf.h>
#include <uf_assem.h>
#include <uf_part.h>
#include <uf_ui.h>

#include "drawing/component_batch.h"
#include "drawing/layer_batch.h"
#include "drawing/layer_parts.h"
#include "drawing/component_rename.h"
#include "drawing/drawing_backup.h"
#include "drawing/numbering.h"
#include "drawing/part_file_name.h"
#include "drawing/sheet_names.h"
#include "drawing/sheet_scale.h"
#include "drawing/sheet_views.h"
#include "drawing/title_block.h"
#include "host/attribute_vocabulary.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/gbk_text.h"
#include "host/message.h"
#include "host/object_attributes.h"
#include "host/part_file_names.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* BlockStyler2D::theSession = nullptr;
UI* BlockStyler2D::theUI = nullptr;

namespace {

enum Job { kProduceDrawings = 0, kBackUp = 1, kRename = 2 };

std::vector<std::string> as_record(const kzt::ParsedName& p) {
  return {p.name, p.number, p.sheetName, p.path, p.fileName};
}

void set_components_filter(UIBlock* block) {
  std::vector<Selection::MaskTriple> masks{Selection::MaskTriple(63, 0, 0), Selection::MaskTriple(63, 1, 0)};
  std::unique_ptr<PropertyList>(block->GetProperties())
      ->SetSelectionFilter("SelectionFilter", Selection::SelectionActionClearAndEnableSpecific, masks);
}

}  // namespace

BlockStyler2D::BlockStyler2D() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "2D.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

BlockStyler2D::~BlockStyler2D() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int BlockStyler2D::Show() { return kzt::show_dialog(theBlockDialog); }

void BlockStyler2D::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group1 = kzt::find_block<Group>(top, "group1");
  enum0 = kzt::find_block<Enumeration>(top, "enum0");
  tuhao = kzt::find_block<StringBlock>(top, "tuhao");
  ming = kzt::find_block<StringBlock>(top, "ming");
  chong = kzt::find_block<Group>(top, "chong");
  selection0 = kzt::find_block<SelectObject>(top, "selection0");
  ming_new = kzt::find_block<StringBlock>(top, "ming_new");
  tuhao_new = kzt::find_block<StringBlock>(top, "tuhao_new");
  beifen = kzt::find_block<Group>(top, "beifen");
  label0 = kzt::find_block<Label>(top, "label0");
  filepath_lujin = kzt::find_block<FolderSelection>(top, "filepath_lujin");
  ming_qz = kzt::find_block<StringBlock>(top, "ming_qz");
  set_components_filter(selection0);
  const kzt::UfSession uf;
  UF_ASSEM_set_work_part(UF_PART_ask_display_part());
}

void BlockStyler2D::dialogShown_cb() {
  kzt::guarded([&] {
    kzt::set_text(tuhao, "AAAA");
    ming_new->SetEnable(false);
    UI初始设置();
    向UI写值();
    return 0;
  }, 0);
}

int BlockStyler2D::apply_cb() {
  return kzt::guarded([&] {
    switch (kzt::get_enum(enum0)) {
      case kProduceDrawings:
        if (判断模式() == 1) {
          kzt::show_message("组件模式");
          组件出图初始化();
          批量修改零件图号();
          批量创建图纸及视图_assm();
        } else {
          kzt::show_message("图层模式");
          批量修改零件图号_图层出图();
          图层出图();
        }
        break;
      case kBackUp: 图纸备份(); break;
      case kRename: {
        const std::vector<tag_t> selected = kzt::get_selected(selection0);
        if (selected.empty()) break;
        const std::string oldPath = kzt::得到新建组件的路径(selected[0]);
        const std::string folder = kzt::获取文件名和路径(oldPath, 2);
        重命名组件(oldPath, folder + "\\" + kzt::get_text(tuhao_new) + ".prt", selected[0]);
        break;
      }
      default: break;
    }
    return 0;
  }, 1);
}

int BlockStyler2D::ok_cb() { return kzt::ok_through_apply(this); }

int BlockStyler2D::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == enum0) {
      UI初始设置();
    } else if (block == selection0) {
      const std::vector<tag_t> selected = kzt::get_selected(selection0);
      std::string name;
      if (selected.size() == 1) name = kzt::获取文件名和路径(kzt::得到新建组件的路径(selected[0]), 1);
      kzt::set_text(ming_new, name);
      kzt::set_text(tuhao_new, name);
    }
    return 0;
  }, 0);
}

PropertyList* BlockStyler2D::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

void BlockStyler2D::UI初始设置() {
  const int job = kzt::get_enum(enum0);
  if (job < kProduceDrawings || job > kRename) return;
  kzt::set_shown(group1, job == kProduceDrawings);
  kzt::set_shown(beifen, job == kBackUp);
  kzt::set_shown(chong, job == kRename);
}

void BlockStyler2D::向UI写值() {
  const int job = kzt::get_enum(enum0);
  if (job == kProduceDrawings) {
    const kzt::UfSession uf;
    const tag_t work = UF_ASSEM_ask_work_part();
    kzt::set_text(tuhao, kzt::得到体的属性(work, kzt::kPartNo));
    kzt::set_text(ming, kzt::得到体的属性(work, kzt::kPartName));
  } else if (job == kBackUp) {
    char path[MAX_FSPEC_BUFSIZE] = "";
    {
      const kzt::UfSession uf;
      UF_PART_ask_part_name(UF_PART_ask_display_part(), path);
    }
    const std::string full = path;
    const auto slash = kzt::LastBackslash(full);
    const std::string folder = slash == std::string::npos ? "" : full.substr(0, slash + 1);
    std::unique_ptr<PropertyList>(filepath_lujin->GetProperties())->SetString("Path", folder);
    kzt::set_text(ming_qz, "BF");
  }
}

// ---- members that forward to the shared implementations

int BlockStyler2D::得到组件及零件的tag(std::vector<tag_t>& subassemblies, std::vector<tag_t>& parts) {
  return kzt::得到组件及零件的tag(state, subassemblies, parts);
}
int BlockStyler2D::判断模式() { return kzt::判断模式(state); }
int BlockStyler2D::组件出图初始化() { return kzt::组件出图初始化(state); }
void BlockStyler2D::得到当前文件名称和路径(std::string& fileName, std::string& fullPath) {
  kzt::得到当前文件名称和路径(fileName, fullPath);
}
int BlockStyler2D::批量修改零件图号() {
  return kzt::批量修改零件图号(state, kzt::get_text(tuhao), kzt::get_text(ming));
}
int BlockStyler2D::批量修改零件图号_图层出图() {
  return kzt::批量修改零件图号_图层出图(state, kzt::get_text(tuhao), kzt::get_text(ming));
}
void BlockStyler2D::得到路径名称部件(tag_t component, std::vector<std::string>& record) {
  record = as_record(kzt::得到路径名称部件(component));
}
void BlockStyler2D::得到路径名称零件(tag_t component, std::vector<std::string>& record) {
  record = as_record(kzt::得到路径名称零件(component));
}
int BlockStyler2D::得到数量及总数(tag_t body, tag_t component, int& quantity, int& total) {
  return kzt::得到数量及总数(body, component, quantity, total);
}
int BlockStyler2D::找重叠体(std::vector<tag_t> bodies) { return kzt::找重叠体(bodies); }
int BlockStyler2D::A3总图比例设置(tag_t object, double& scale) { return kzt::A3总图比例设置(state, object, scale); }
int BlockStyler2D::A3部件比例设置(tag_t component, double& scale) {
  return kzt::A3部件比例设置(state, component, scale);
}
int BlockStyler2D::A4比例设置(tag_t body, double& scale) { return kzt::A4比例设置(state, body, scale); }
void BlockStyler2D::标题栏设置(const std::string& material, const std::string& numberSuffix,
                              const std::string& drawingName, const std::string& quantity, const std::string& total) {
  kzt::标题栏设置(material, numberSuffix, drawingName, quantity, total);
}
void BlockStyler2D::创建图纸页(const std::string& drawingName, const std::string& numberSuffix,
                              const std::string& sheetName, const std::string& quantity, const std::string& total,
                              const std::string& material, double scale, const std::string& templatePath,
                              const std::string& modelPath, const std::string& modelName) {
  kzt::创建图纸页(state, {drawingName, numberSuffix, sheetName, quantity, total, material, scale, templatePath},
                  modelPath, modelName);
}
int BlockStyler2D::创建视图(const std::string& modelPath, const std::string& modelName, double scale,
                           const char* viewName, double x, double y, tag_t& view) {
  return kzt::创建视图(modelPath, modelName, scale, viewName, x, y, view);
}
void BlockStyler2D::创建工程图(const std::string& drawingName, const std::string& numberSuffix,
                              const std::string& sheetName, const std::string& quantity, const std::string& total,
                              const std::string& material, double scale, const std::string& templatePath,
                              tag_t layerSelector) {
  kzt::创建工程图(state, {drawingName, numberSuffix, sheetName, quantity, total, material, scale, templatePath},
                  layerSelector);
}
tag_t BlockStyler2D::创建导入视图(const char* viewName, double x, double y, tag_t layerSelector) {
  return kzt::创建导入视图(state, viewName, x, y, layerSelector);
}
void BlockStyler2D::设置组件精确显示(tag_t component) { kzt::设置组件精确显示(component); }
void BlockStyler2D::批量创建图纸及视图_assm() { kzt::批量创建图纸及视图_assm(state); }
bool BlockStyler2D::判断图纸是否存在(const std::string& sheetName) { return kzt::判断图纸是否存在(sheetName); }
int BlockStyler2D::图层出图() { return kzt::图层出图(state, kzt::get_text(tuhao)); }
void BlockStyler2D::得到所有出图的数组zong_tag_ys(std::vector<std::string>& names, std::vector<tag_t>& tags) {
  kzt::得到所有出图的数组zong_tag_ys(names, tags);
}
void BlockStyler2D::得到出过图的数组b及未出过图的数组a(tag_t component, std::vector<tag_t>& numbered,
                                                   std::vector<tag_t>& fresh) {
  kzt::得到出过图的数组b及未出过图的数组a(state, component, numbered, fresh);
}
int BlockStyler2D::图纸备份() {
  const std::string folder = std::unique_ptr<PropertyList>(filepath_lujin->GetProperties())->GetString("Path").GetText();
  return kzt::图纸备份(state, folder, kzt::get_text(ming_qz));
}
int BlockStyler2D::判断图纸是否备份过(std::string& prefix) { return kzt::判断图纸是否备份过(state, prefix); }
void BlockStyler2D::重命名组件(const std::string& oldPath, const std::string& newPath, tag_t component) {
  kzt::重命名组件(oldPath, newPath, component);
}

int launch_BlockStyler2D() { return kzt::launch_dialog<BlockStyler2D>(); }

