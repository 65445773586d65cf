// The component dialog: its blocks, modes and callbacks; the operations live in
// batch_components.cpp, wave_extract.cpp and the shared assembly files.
#include "assembly/zujian.hpp"

#include <memory>

#include <NXOpen/BlockStyler_PropertyList.hxx>
#include <NXOpen/NXMessageBox.hxx>
#include <uf.h>
#include <uf_assem.h>
#include <uf_part.h>
#include <uf_ui.h>

#include "assembly/cleanup.h"
#include "assembly/component_queries.h"
#include "assembly/new_component.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/message.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* zujian::theSession = nullptr;
UI* zujian::theUI = nullptr;

zujian::zujian() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "zujian.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

zujian::~zujian() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int zujian::Show() { return kzt::show_dialog(theBlockDialog); }

void zujian::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group0 = kzt::find_block<Group>(top, "group0");
  enum0 = kzt::find_block<Enumeration>(top, "enum0");
  group01 = kzt::find_block<Group>(top, "group01");
  selection0 = kzt::find_block<SelectObject>(top, "selection0");
  moldno = kzt::find_block<StringBlock>(top, "moldno");
  moldname = kzt::find_block<StringBlock>(top, "moldname");
  beginname = kzt::find_block<StringBlock>(top, "beginname");
  toggle0 = kzt::find_block<Toggle>(top, "toggle0");
  kzt::set_solid_body_filter(selection0);
  std::unique_ptr<PropertyList> properties(selection0->GetProperties());
  properties->SetEnum("MaximumScope", 3);
}

void zujian::dialogShown_cb() {
  kzt::guarded([&] {
    kzt::set_text(moldno, "临时组件");
    设置枚举显示();
    return 0;
  }, 0);
}

int zujian::apply_cb() {
  return kzt::guarded([&] {
    const bool toggle = kzt::get_toggle(toggle0);
    switch (mode) {
      case 0: 创建多实体部件(); break;
      case 1: 创建单实体部件枚举2(); break;
      case 2: 批量创建组件(); break;
      case 3: WAVE抽取体(toggle ? 1 : 0); break;
      default: break;
    }
    return 0;
  }, 1);
}

int zujian::ok_cb() { return kzt::ok_through_apply(this); }

int zujian::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == enum0) 设置枚举显示();
    return 0;
  }, 0);
}

int zujian::filter_cb(UIBlock* block, TaggedObject* selectedObject) {
  if (mode != 3) return 1;
  kzt::UfSession uf;
  return UF_ASSEM_ask_parent_component(selectedObject->Tag()) != UF_ASSEM_ask_work_occurrence() ? 1 : 0;
}

int zujian::cancel_cb() { return 0; }

PropertyList* zujian::GetBlockProperties(const char* blockID) { return theBlockDialog->GetBlockProperties(blockID); }

void zujian::设置枚举显示() {
  try {
    mode = kzt::get_enum(enum0);
    const bool select = mode != 2;
    const bool name = mode == 0 || mode == 1;
    kzt::set_shown(selection0, select);
    kzt::set_shown(moldno, name);
    kzt::set_shown(moldname, false);
    kzt::set_shown(beginname, false);
    if (name) toggle0->SetLabel("保存组件");
    if (mode == 2) kzt::show_message("重要提示:\n  此功能会关闭内存中未显示的图档\n请做好保存工作!!!!");
    if (mode == 3) {
      kzt::set_toggle(toggle0, true);
      toggle0->SetLabel("是否删除体");
    }
  } catch (const std::exception& ex) {
    theUI->NXMessageBox()->Show("设置UI值和获取路径", NXMessageBox::DialogTypeError, ex.what());
  }
}

// ---- members that forward to the shared implementations

void zujian::保存组件(const std::string& name, const std::string& path) { kzt::保存组件(name, path); }
void zujian::移动组件(const std::string& parentStem, const std::string& newIdentifier,
                      const std::string& parentIdentifier) {
  kzt::移动组件(parentStem, newIdentifier, parentIdentifier);
}
void zujian::关闭内存未显示部件() { kzt::关闭内存未显示部件(); }
int zujian::遍历内存(const std::string& fileName, int& status) { return kzt::遍历内存(fileName, status); }
int zujian::去除参数(tag_t component) { return kzt::去除参数(component); }
int zujian::得到组件的tag(std::vector<tag_t>& parents) { return kzt::得到组件的tag(parents); }
int zujian::得到出图的体(tag_t component, std::vector<tag_t>& bodies) { return kzt::得到出图的体(component, bodies); }
int zujian::得到组件下的组件(tag_t component, std::vector<tag_t>& components) {
  return kzt::得到组件下的组件(component, components);
}
int zujian::得到所有组件的名称(std::vector<std::string>& names) { return kzt::得到所有组件的名称(names); }
void zujian::得到目录下所有文件名(const std::string& folder, std::vector<std::string>& files) {
  kzt::得到目录下所有文件名(folder, files);
}
std::string zujian::得到体的属性(tag_t object, const char* title) { return kzt::得到体的属性(object, title); }
int zujian::得到装配下的boy(bool& metOccurrence, bool& metPlain, tag_t object, tag_t& body) {
  kzt::OccurrenceFlags flags{metOccurrence, metPlain};
  const int result = kzt::得到装配下的boy(flags, object, body);
  metOccurrence = flags.metOccurrence;
  metPlain = flags.metPlain;
  return result;
}
int zujian::得到工作部件所有的实体(std::vector<tag_t>& bodies) { return kzt::得到工作部件所有的实体(bodies); }
int zujian::得到组件下所有的实体(tag_t component, std::vector<tag_t>& bodies) {
  return kzt::得到组件下所有的实体(component, bodies, kzt::ComponentBodies::Direct);
}
void zujian::ASSEM_cycle_all_part(tag_t partOccurrence) {
  kzt::ComponentWalk walk;
  kzt::ASSEM_cycle_all_part(walk, partOccurrence);
  componentTags.insert(componentTags.end(), walk.tags.begin(), walk.tags.end());
  instanceNames.insert(instanceNames.end(), walk.instanceNames.begin(), walk.instanceNames.end());
}
int zujian::得到所有组件的数组(std::vector<tag_t>& components) {
  kzt::ComponentWalk walk;
  kzt::UfSession uf;
  return kzt::得到所有组件的数组(walk, UF_PART_ask_display_part(), components);
}
std::string zujian::得到新建组件的路径(tag_t component) { return kzt::得到新建组件的路径(component); }
std::string zujian::获取文件名和路径(const std::string& path, int mode) { return kzt::获取文件名和路径(path, mode); }
int zujian::得到字符数字个数(const std::string& text) { return kzt::得到字符数字个数(text); }
int zujian::查找连续图号(const std::vector<int>& used, std::vector<int>& free) {
  return kzt::查找连续图号(used, free);
}
// This class's version answers with the linked body (to make a part of it), the
// attribute writer's with the link feature (to delete it after measuring).
tag_t zujian::抽取实体(tag_t body) {
  tag_t linked = NULL_TAG;
  kzt::抽取实体(body, linked);
  return linked;
}

int launch_zujian() { return kzt::launch_dialog<zujian>(); }
