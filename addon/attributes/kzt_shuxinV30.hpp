// The attribute writer: fills its fields from the selected body, measures its envelope,
// proposes stock specification, material and remark, and writes the seven attributes on
// every identical body.
#pragma once
#include <string>
#include <vector>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Button.hxx>
#include <NXOpen/BlockStyler_Enumeration.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_ObjectColorPicker.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_Separator.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

#include "host/assembly_walks.h"
#include "host/body_link.h"
#include "host/object_attributes.h"

class kzt_shuxinV30 {
public:
  kzt_shuxinV30();
  ~kzt_shuxinV30();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  int cancel_cb();
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  // Dialog operations.
  void 选择类型设置();
  void 读选择体的属性();
  void 名称检查();
  int 判断名称是否存在(std::vector<std::string>& names);
  void 设置高亮();
  void 设置选择体颜色(int color, tag_t body);
  void 写属性();
  void 最大外形();
  std::string 最大外形返回尺寸();
  void 折弯最大外形();
  void 填写材料规格();
  void 填写材料();
  void 填写备注();
  void 填写注意事项();
  void 填写说明();
  int 找相同体(tag_t body, std::vector<tag_t>& identical);
  void 找重叠体(std::vector<tag_t> bodies);
  int 判断模式();

  // Shared helpers, as members of this class.
  std::string 得到体的属性(tag_t object, const char* title);
  void 所有实体写属性(bool& metOccurrence, bool& metPlain, tag_t body, const std::string& value,
                     const std::string& title, int color);
  int 得到工作所有的体(tag_t part, std::vector<tag_t>& bodies);
  tag_t 抽取实体(tag_t body);
  void 得到体积(tag_t body, double accuracy, double& volume, double& mass);
  void 得到面积(tag_t face, double accuracy, double& area);
  tag_t 求体的最大面积(tag_t body);
  int 得到体的面数量(tag_t body, int& count);
  int 获得体所有边(tag_t body, int& count);
  void 设置坐标到最大面最长边(tag_t face);

private:
  // The first selected body, or NULL_TAG.
  tag_t FirstSelected();
  void MeasureSelected();
  // A selected body without volume gets no stock: says so, clears the proposal, true.
  bool RefusedForNoVolume();

  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group1 = nullptr;
  NXOpen::BlockStyler::Enumeration* blockleixing = nullptr;
  NXOpen::BlockStyler::Group* group = nullptr;
  NXOpen::BlockStyler::SelectObject* blockxuanzhe = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::StringBlock* blockgunge = nullptr;
  NXOpen::BlockStyler::Button* jicheng = nullptr;
  NXOpen::BlockStyler::Separator* separator01 = nullptr;
  NXOpen::BlockStyler::StringBlock* blockPartName = nullptr;
  NXOpen::BlockStyler::StringBlock* blockPartNo = nullptr;
  NXOpen::BlockStyler::StringBlock* blockbeizhu = nullptr;
  NXOpen::BlockStyler::StringBlock* blockCaiLiao = nullptr;
  NXOpen::BlockStyler::StringBlock* blocksuling = nullptr;
  NXOpen::BlockStyler::StringBlock* blockRiqi = nullptr;
  NXOpen::BlockStyler::Separator* separator0 = nullptr;
  NXOpen::BlockStyler::Group* group2 = nullptr;
  NXOpen::BlockStyler::Toggle* blocktoggle0 = nullptr;
  NXOpen::BlockStyler::Toggle* blocktoggle01 = nullptr;
  NXOpen::BlockStyler::ObjectColorPicker* colorPicker0 = nullptr;
  NXOpen::BlockStyler::Button* blockbutton0 = nullptr;
  NXOpen::BlockStyler::Button* button0 = nullptr;
};

int launch_kzt_shuxinV30();
