// The attribute writer dialog: reactions to its blocks, and Apply. The measuring, the
// stock texts and the identical-body search live in their own files; members forward.
#include "attributes/kzt_shuxinV30.hpp"

#include <cstdio>
#include <memory>

#include <uf.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_disp.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_part.h>
#include <uf_ui.h>

#include "attributes/bent_parts.h"
#include "attributes/identical_bodies.h"
#include "attributes/measurement.h"
#include "attributes/shuxin_jichen.hpp"
#include "attributes/stock_text.h"
#include "attributes/text_lists.h"
#include "host/attribute_vocabulary.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/drawing_mode.h"
#include "host/gbk_text.h"
#include "host/message.h"
#include "host/assembly_walks.h"
#include "host/body_link.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* kzt_shuxinV30::theSession = nullptr;
UI* kzt_shuxinV30::theUI = nullptr;

namespace {

constexpr int kBodyMode = 1;

// Bent plate or bent flat bar: measured on the flat blank.
bool IsBent(const std::string& stockType) {
  return kzt::contains_gbk(stockType, "钢板,折弯") || kzt::contains_gbk(stockType, "扁钢,折弯");
}

}  // namespace

kzt_shuxinV30::kzt_shuxinV30() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "kzt_shuxinV3.0.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

kzt_shuxinV30::~kzt_shuxinV30() {
  kzt::host_part_cleanup();
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int kzt_shuxinV30::Show() { return kzt::show_dialog(theBlockDialog); }

void kzt_shuxinV30::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group1 = kzt::find_block<Group>(top, "group1");
  blockleixing = kzt::find_block<Enumeration>(top, "blockleixing");
  group = kzt::find_block<Group>(top, "group");
  blockxuanzhe = kzt::find_block<SelectObject>(top, "blockxuanzhe");
  group0 = kzt::find_block<Group>(top, "group0");
  blockgunge = kzt::find_block<StringBlock>(top, "blockgunge");
  jicheng = kzt::find_block<Button>(top, "jicheng");
  separator01 = kzt::find_block<Separator>(top, "separator01");
  blockPartName = kzt::find_block<StringBlock>(top, "blockPartName");
  blockPartNo = kzt::find_block<StringBlock>(top, "blockPartNo");
  blockbeizhu = kzt::find_block<StringBlock>(top, "blockbeizhu");
  blockCaiLiao = kzt::find_block<StringBlock>(top, "blockCaiLiao");
  blocksuling = kzt::find_block<StringBlock>(top, "blocksuling");
  blockRiqi = kzt::find_block<StringBlock>(top, "blockRiqi");
  separator0 = kzt::find_block<Separator>(top, "separator0");
  group2 = kzt::find_block<Group>(top, "group2");
  blocktoggle0 = kzt::find_block<Toggle>(top, "blocktoggle0");
  blocktoggle01 = kzt::find_block<Toggle>(top, "blocktoggle01");
  colorPicker0 = kzt::find_block<ObjectColorPicker>(top, "colorPicker0");
  blockbutton0 = kzt::find_block<Button>(top, "blockbutton0");
  button0 = kzt::find_block<Button>(top, "button0");
  kzt::set_solid_body_filter(blockxuanzhe);
  kzt::UfSession uf;
  UF_ASSEM_set_work_part(UF_PART_ask_display_part());
}

void kzt_shuxinV30::dialogShown_cb() {
  kzt::guarded([&] {
    选择类型设置();
    return 0;
  }, 0);
}

int kzt_shuxinV30::apply_cb() {
  return kzt::guarded([&] {
    if (kzt::get_toggle(blocktoggle01)) return 0;  // inspect only
    写属性();
    return 0;
  }, 1);
}

int kzt_shuxinV30::cancel_cb() {
  kzt::host_part_cleanup();
  return 0;
}

int kzt_shuxinV30::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == blockleixing) {
      选择类型设置();
    } else if (block == blockxuanzhe) {
      读选择体的属性();
      MeasureSelected();
      if (!kzt::get_toggle(blocktoggle01)) 设置高亮();
    } else if (block == blockgunge) {
      // Without a body nothing is measured, and proposals from nothing would be wrong:
      // the fields keep what they hold.
      if (FirstSelected() != NULL_TAG) {
        if (RefusedForNoVolume()) return 0;
        MeasureSelected();
        填写材料规格();
        填写材料();
        填写备注();
      }
    } else if (block == jicheng) {
      std::unique_ptr<shuxin_jichen> inherit(new shuxin_jichen());
      inherit->Show();
      kzt::set_text(blockPartName, inherit->DB_PART_NAME);
      kzt::set_text(blockPartNo, inherit->DB_PART_NO);
      kzt::set_text(blocksuling, inherit->suling);
      kzt::set_text(blockCaiLiao, inherit->MATERIALS);
      kzt::set_text(blockbeizhu, inherit->REMARK);
      kzt::set_text(blockgunge, inherit->guige);
    } else if (block == blockPartName) {
      名称检查();
    } else if (block == blockPartNo) {
      填写备注();
    } else if (block == blockbutton0) {
      填写注意事项();
    } else if (block == button0) {
      填写说明();
    }
    return 0;
  }, 0);
}

PropertyList* kzt_shuxinV30::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

tag_t kzt_shuxinV30::FirstSelected() {
  const std::vector<tag_t> selected = kzt::get_selected(blockxuanzhe);
  return selected.empty() ? NULL_TAG : selected.front();
}

bool kzt_shuxinV30::RefusedForNoVolume() {
  const std::string refusal = kzt::no_volume_refusal(FirstSelected());
  if (refusal.empty()) return false;
  // Any stock proposed for it would print a 0 kg part on the sheets and in the BOM.
  kzt::set_text(blocksuling, "");
  kzt::show_message(refusal);
  return true;
}

void kzt_shuxinV30::MeasureSelected() {
  if (FirstSelected() == NULL_TAG) return;
  if (IsBent(kzt::get_text(blockgunge))) 折弯最大外形();
  else 最大外形();
}

void kzt_shuxinV30::选择类型设置() {
  const bool bodyMode = kzt::get_enum(blockleixing) != 0;
  for (UIBlock* block : std::initializer_list<UIBlock*>{group, group2, blockgunge, blockRiqi, blocksuling})
    kzt::set_shown(block, bodyMode);
}

void kzt_shuxinV30::读选择体的属性() {
  if (kzt::get_enum(blockleixing) != kBodyMode) return;
  const tag_t body = FirstSelected();
  if (body == NULL_TAG) {
    kzt::show_message("请选择体!");
    return;
  }
  kzt::set_text(blockPartName, 得到体的属性(body, kzt::kPartName));
  kzt::set_text(blockPartNo, 得到体的属性(body, kzt::kPartNo));
  kzt::set_text(blocksuling, 得到体的属性(body, kzt::kStockSpec));
  kzt::set_text(blockCaiLiao, 得到体的属性(body, kzt::kMaterial));
  kzt::set_text(blockbeizhu, 得到体的属性(body, kzt::kRemark));
  kzt::set_text(blockgunge, 得到体的属性(body, kzt::kStockType));
}

void kzt_shuxinV30::名称检查() {
  const std::string typed = kzt::get_text(blockPartName);
  std::vector<std::string> names;
  判断名称是否存在(names);
  for (const std::string& name : names)
    if (name == typed) {
      char message[512];
      std::snprintf(message, sizeof message, "警告:\n%s\n已存在,请重新输入", typed.c_str());
      kzt::show_message(message);
      return;
    }
}

int kzt_shuxinV30::判断名称是否存在(std::vector<std::string>& names) {
  std::vector<tag_t> bodies;
  {
    kzt::UfSession uf;
    得到工作所有的体(UF_ASSEM_ask_work_part(), bodies);
  }
  for (tag_t body : bodies) names.push_back(得到体的属性(body, kzt::kPartName));
  return 0;
}

void kzt_shuxinV30::设置高亮() {
  kzt::host_part_cleanup();
  const tag_t body = FirstSelected();
  if (body == NULL_TAG) return;
  std::vector<tag_t> identical;
  找相同体(body, identical);
  kzt::UfSession uf;
  for (tag_t other : identical) UF_DISP_set_highlight(other, 1);
}

void kzt_shuxinV30::设置选择体颜色(int color, tag_t body) { kzt::colour_body(color, body); }

void kzt_shuxinV30::写属性() {
  const std::string partName = kzt::get_text(blockPartName);
  const std::string partNo = kzt::get_text(blockPartNo);
  const std::string envelope = kzt::get_text(blockRiqi);
  const std::string stockType = kzt::get_text(blockgunge);
  const std::string material = kzt::get_text(blockCaiLiao);
  const std::string remark = kzt::get_text(blockbeizhu);
  const std::string stockSpec = kzt::get_text(blocksuling);
  const bool blank = kzt::get_toggle(blocktoggle0);

  kzt::UfSession uf;
  if (kzt::get_enum(blockleixing) == 0) {
    const tag_t work = UF_ASSEM_ask_work_part();
    kzt::assign_string_attribute(work, kzt::kPartName, partName);
    kzt::assign_string_attribute(work, kzt::kPartNo, partNo);
    kzt::assign_string_attribute(work, kzt::kMaterial, material);
    kzt::assign_string_attribute(work, kzt::kRemark, remark);
    return;
  }
  const tag_t selected = FirstSelected();
  if (selected == NULL_TAG) {
    // Nothing to write on: refused rather than writing on an undefined body.
    kzt::show_message("请选择体!");
    return;
  }
  if (RefusedForNoVolume()) return;
  std::vector<tag_t> bodies;
  找相同体(selected, bodies);
  const std::vector<int> colors = kzt::get_colors(colorPicker0);
  const int color = colors.empty() ? 0 : colors.front();
  for (tag_t body : bodies) {
    if (blank) UF_OBJ_set_blank_status(body, UF_OBJ_BLANKED);
    bool metOccurrence = false, metPlain = false;
    所有实体写属性(metOccurrence, metPlain, body, partName, kzt::kPartName, color);
    所有实体写属性(metOccurrence, metPlain, body, partNo, kzt::kPartNo, color);
    所有实体写属性(metOccurrence, metPlain, body, material, kzt::kMaterial, color);
    所有实体写属性(metOccurrence, metPlain, body, stockSpec, kzt::kStockSpec, color);
    所有实体写属性(metOccurrence, metPlain, body, remark, kzt::kRemark, color);
    所有实体写属性(metOccurrence, metPlain, body, envelope, kzt::kEnvelope, color);
    所有实体写属性(metOccurrence, metPlain, body, stockType, kzt::kStockType, color);
    UF_MODL_update();
  }
  找重叠体(bodies);
}

void kzt_shuxinV30::最大外形() {
  const tag_t body = FirstSelected();
  if (body == NULL_TAG) return;
  double volume = 0, mass = 0;
  得到体积(body, kzt::kMeasureAccuracy, volume, mass);
  const kzt::BodyExtents e = kzt::measure_extents(body);
  kzt::set_text(blockRiqi, kzt::format_envelope(e.d0, e.d1, e.d2, e.thickness, mass));
}

std::string kzt_shuxinV30::最大外形返回尺寸() {
  const tag_t body = FirstSelected();
  // Without a body there is nothing measured: the extents read as zero.
  if (body == NULL_TAG) return std::string();
  const kzt::BodyExtents e = kzt::measure_extents(body);
  return kzt::format_extents(e.d0, e.d1, e.d2);
}

void kzt_shuxinV30::折弯最大外形() {
  const tag_t body = FirstSelected();
  if (body == NULL_TAG) return;
  kzt::set_text(blockRiqi, kzt::bent_envelope(body));
}

void kzt_shuxinV30::填写材料规格() {
  kzt::set_text(blocksuling, kzt::stock_specification(kzt::get_text(blockgunge), kzt::get_text(blockRiqi)));
}

void kzt_shuxinV30::填写材料() { kzt::set_text(blockCaiLiao, kzt::material_for(kzt::get_text(blockgunge))); }

void kzt_shuxinV30::填写备注() {
  const std::string partNo = kzt::get_text(blockPartNo);
  const std::string stockType = kzt::get_text(blockgunge);
  // A bend remark is made from the measured body; without one the remark stays.
  if (partNo.empty() && IsBent(stockType) && FirstSelected() == NULL_TAG) return;
  // The solid envelope only matters for a body without a drawing number.
  const kzt::Extents solid = partNo.empty() ? kzt::parse_extents(最大外形返回尺寸()) : kzt::Extents{};
  bool unfoldFailed = false;
  const std::string remark =
      kzt::remark_for(partNo, stockType, solid, kzt::parse_envelope(kzt::get_text(blockRiqi)), unfoldFailed);
  if (unfoldFailed) kzt::show_message("未展开成功:请修改折弯设置");
  kzt::set_text(blockbeizhu, remark);
}

void kzt_shuxinV30::填写注意事项() { kzt::show_data_file(kzt::kNotesFile); }
void kzt_shuxinV30::填写说明() { kzt::show_data_file(kzt::kFastenersFile); }

int kzt_shuxinV30::找相同体(tag_t body, std::vector<tag_t>& identical) {
  return kzt::find_identical_bodies(body, identical);
}

void kzt_shuxinV30::找重叠体(std::vector<tag_t> bodies) { kzt::mark_overlapping_bodies(bodies); }

int kzt_shuxinV30::判断模式() { return kzt::ask_drawing_mode(); }

std::string kzt_shuxinV30::得到体的属性(tag_t object, const char* title) { return kzt::得到体的属性(object, title); }

void kzt_shuxinV30::所有实体写属性(bool& metOccurrence, bool& metPlain, tag_t body, const std::string& value,
                                   const std::string& title, int color) {
  kzt::OccurrenceFlags flags{metOccurrence, metPlain};
  kzt::所有实体写属性(flags, body, value, title, color, kzt::colour_body);
  metOccurrence = flags.metOccurrence;
  metPlain = flags.metPlain;
}

int kzt_shuxinV30::得到工作所有的体(tag_t part, std::vector<tag_t>& bodies) {
  return kzt::得到工作所有的体(part, bodies);
}

// This class's version answers with the link feature (to delete it after measuring), the
// component dialog's with the linked body (to make a part of it).
tag_t kzt_shuxinV30::抽取实体(tag_t body) {
  tag_t linked = NULL_TAG;
  return kzt::抽取实体(body, linked);
}

void kzt_shuxinV30::得到体积(tag_t body, double accuracy, double& volume, double& mass) {
  kzt::得到体积(body, accuracy, volume, mass);
}
void kzt_shuxinV30::得到面积(tag_t face, double accuracy, double& area) { kzt::得到面积(face, accuracy, area); }
tag_t kzt_shuxinV30::求体的最大面积(tag_t body) { return kzt::求体的最大面积(body); }
int kzt_shuxinV30::得到体的面数量(tag_t body, int& count) { return kzt::得到体的面数量(body, count); }
int kzt_shuxinV30::获得体所有边(tag_t body, int& count) { return kzt::获得体所有边(body, count); }
void kzt_shuxinV30::设置坐标到最大面最长边(tag_t face) { kzt::设置坐标到最大面最长边(face); }

int launch_kzt_shuxinV30() { return kzt::launch_dialog<kzt_shuxinV30>(); }
