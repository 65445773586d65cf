// The component dialog: one multi-body part, single-body parts, the whole assembly by
// rule, or bodies of other components linked into the work part.
#pragma once
#include <string>
#include <vector>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Enumeration.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

#include "assembly/running_numbers.h"
#include "host/assembly_walks.h"
#include "host/body_link.h"
#include "host/drawing_numbers.h"
#include "host/object_attributes.h"
#include "host/part_file_names.h"

class zujian {
public:
  zujian();
  ~zujian();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  int filter_cb(NXOpen::BlockStyler::UIBlock* block, NXOpen::TaggedObject* selectedObject);
  int cancel_cb();
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void 设置枚举显示();
  void 创建多实体部件();
  void 创建单实体部件枚举2();
  void 批量创建组件();
  void WAVE抽取体(int deleteSources);
  int 创建单实体部件(const std::string& name, const std::string& path, tag_t body);
  void 保存组件(const std::string& name, const std::string& path);
  void 移动组件(const std::string& parentStem, const std::string& newIdentifier, const std::string& parentIdentifier);
  void 关闭内存未显示部件();
  int 遍历内存(const std::string& fileName, int& status);
  int 去除参数(tag_t component);
  int 得到组件的tag(std::vector<tag_t>& parents);
  int 得到出图的体(tag_t component, std::vector<tag_t>& bodies);
  int 得到组件下的组件(tag_t component, std::vector<tag_t>& components);
  int 得到所有组件的名称(std::vector<std::string>& names);
  void 得到目录下所有文件名(const std::string& folder, std::vector<std::string>& files);

  // Shared helpers, as members of this class.
  std::string 得到体的属性(tag_t object, const char* title);
  int 得到装配下的boy(bool& metOccurrence, bool& metPlain, tag_t object, tag_t& body);
  int 得到工作部件所有的实体(std::vector<tag_t>& bodies);
  int 得到组件下所有的实体(tag_t component, std::vector<tag_t>& bodies);
  void ASSEM_cycle_all_part(tag_t partOccurrence);
  int 得到所有组件的数组(std::vector<tag_t>& components);
  std::string 得到新建组件的路径(tag_t component);
  std::string 获取文件名和路径(const std::string& path, int mode);
  int 得到字符数字个数(const std::string& text);
  int 查找连续图号(const std::vector<int>& used, std::vector<int>& free);
  tag_t 抽取实体(tag_t body);

  int mode = 0;
  // What ASSEM_cycle_all_part recorded over the dialog's life.
  std::vector<tag_t> componentTags;
  std::vector<std::string> instanceNames;

private:
  // The display folder: the displayed part's path up to its last backslash.
  std::string DisplayFolder();
  // Deletes the source of each body that reached a new component.
  void DeleteSources(const std::vector<tag_t>& bodies, long progress, int offset);
  // Batch mode, one parent: its new sub-components, numbered, made and moved under it.
  void SplitParent(tag_t parent, long progress);
  // The running numbers of a parent's new sub-components, from those it has.
  kzt::RunningNumbers NumbersUnder(tag_t parent, const std::string& suffix);
  // 创建单实体部件 answering with the new component, NULL_TAG when none was made.
  tag_t NewSingleBodyComponent(const std::string& name, const std::string& path, tag_t body);
  // One body made a sub-component of the parent: the part, moved under the parent, then
  // the source body deleted. False, with the body left in the parent and no new
  // component in the assembly, when any of it failed.
  bool MakeSubComponent(const std::string& name, const std::string& path, tag_t body,
                        const std::string& parentStem, tag_t parent);

  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::Enumeration* enum0 = nullptr;
  NXOpen::BlockStyler::Group* group01 = nullptr;
  NXOpen::BlockStyler::SelectObject* selection0 = nullptr;
  NXOpen::BlockStyler::StringBlock* moldno = nullptr;
  NXOpen::BlockStyler::StringBlock* moldname = nullptr;
  NXOpen::BlockStyler::StringBlock* beginname = nullptr;
  NXOpen::BlockStyler::Toggle* toggle0 = nullptr;
};

int launch_zujian();
