// The drawing dialog: produce the drawings of the work part (component mode or layer
// mode, decided from the model), back up drawings, or rename a component's file.
#pragma once
#include <string>
#include <vector>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Enumeration.hxx>
#include <NXOpen/BlockStyler_FolderSelection.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_Label.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

#include "drawing/drawing_state.h"

class BlockStyler2D {
public:
  BlockStyler2D();
  ~BlockStyler2D();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void UI初始设置();
  void 向UI写值();
  int 得到组件及零件的tag(std::vector<tag_t>& subassemblies, std::vector<tag_t>& parts);
  int 判断模式();
  int 组件出图初始化();
  void 得到当前文件名称和路径(std::string& fileName, std::string& fullPath);

  int 批量修改零件图号();
  int 批量修改零件图号_图层出图();
  void 得到路径名称部件(tag_t component, std::vector<std::string>& record);
  void 得到路径名称零件(tag_t component, std::vector<std::string>& record);
  int 得到数量及总数(tag_t body, tag_t component, int& quantity, int& total);
  int 找重叠体(std::vector<tag_t> bodies);

  int A3总图比例设置(tag_t object, double& scale);
  int A3部件比例设置(tag_t component, double& scale);
  int A4比例设置(tag_t body, double& scale);
  void 标题栏设置(const std::string& material, const std::string& numberSuffix, const std::string& drawingName,
                 const std::string& quantity, const std::string& total);

  void 创建图纸页(const std::string& drawingName, const std::string& numberSuffix, const std::string& sheetName,
                 const std::string& quantity, const std::string& total, const std::string& material, double scale,
                 const std::string& templatePath, const std::string& modelPath, const std::string& modelName);
  int 创建视图(const std::string& modelPath, const std::string& modelName, double scale, const char* viewName,
              double x, double y, tag_t& view);
  void 创建工程图(const std::string& drawingName, const std::string& numberSuffix, const std::string& sheetName,
                 const std::string& quantity, const std::string& total, const std::string& material, double scale,
                 const std::string& templatePath, tag_t layerSelector);
  tag_t 创建导入视图(const char* viewName, double x, double y, tag_t layerSelector);
  void 设置组件精确显示(tag_t component);

  void 批量创建图纸及视图_assm();

  int 图层出图();
  void 得到所有出图的数组zong_tag_ys(std::vector<std::string>& names, std::vector<tag_t>& tags);
  void 得到出过图的数组b及未出过图的数组a(tag_t component, std::vector<tag_t>& numbered, std::vector<tag_t>& fresh);
  bool 判断图纸是否存在(const std::string& sheetName);

  int 图纸备份();
  int 判断图纸是否备份过(std::string& prefix);
  void 重命名组件(const std::string& oldPath, const std::string& newPath, tag_t component);

  // component_tags, instance_names, gaps, extents and the layer-mode members.
  kzt::DrawingState state;

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group1 = nullptr;
  NXOpen::BlockStyler::Enumeration* enum0 = nullptr;
  NXOpen::BlockStyler::StringBlock* tuhao = nullptr;
  NXOpen::BlockStyler::StringBlock* ming = nullptr;
  NXOpen::BlockStyler::Group* chong = nullptr;
  NXOpen::BlockStyler::SelectObject* selection0 = nullptr;
  NXOpen::BlockStyler::StringBlock* ming_new = nullptr;
  NXOpen::BlockStyler::StringBlock* tuhao_new = nullptr;
  NXOpen::BlockStyler::Group* beifen = nullptr;
  NXOpen::BlockStyler::Label* label0 = nullptr;
  NXOpen::BlockStyler::FolderSelection* filepath_lujin = nullptr;
  NXOpen::BlockStyler::StringBlock* ming_qz = nullptr;
};

int launch_BlockStyler2D();
