// Standard-part library: a tree of the library folder, a preview of the chosen part, and
// the part imported at an orientation the user can then drag.
#pragma once
#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_DrawingArea.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_Node.hxx>
#include <NXOpen/BlockStyler_SpecifyOrientation.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/BlockStyler_Tree.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <NXOpen/ugmath.hxx>
#include <uf_defs.h>

#include <string>

class wucanku {
public:
  wucanku();
  ~wucanku();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void OnSelectCallback(NXOpen::BlockStyler::Tree* tree, NXOpen::BlockStyler::Node* node, int columnID, bool selected);
  NXOpen::NXString ToolTipTextCallback(NXOpen::BlockStyler::Tree* tree, NXOpen::BlockStyler::Node* node, int columnID);
  void OnMenuCallback(NXOpen::BlockStyler::Tree* tree, NXOpen::BlockStyler::Node* node, int columnID);
  void OnMenuSelectionCallback(NXOpen::BlockStyler::Tree* tree, NXOpen::BlockStyler::Node* node, int menuItemID);

  void show_file(const char* folder, NXOpen::BlockStyler::Node* parent);
  NXOpen::BlockStyler::Node* CreateAndAddNode(NXOpen::BlockStyler::Node* afterNode, const char* text);
  void initarray(char* destination, const char* source);
  void importpart(const char* path);

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  NXOpen::BlockStyler::Node* currentParent = nullptr;
  NXOpen::BlockStyler::Node* lastNode = nullptr;
  tag_t importedGroup = NULL_TAG;
  NXOpen::Point3d origin{0, 0, 0};
  NXOpen::Vector3d xAxis{1, 0, 0};
  NXOpen::Vector3d yAxis{0, 1, 0};
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Tree* tree_control0 = nullptr;
  NXOpen::BlockStyler::DrawingArea* drawingArea0 = nullptr;
  NXOpen::BlockStyler::Group* group = nullptr;
  NXOpen::BlockStyler::Toggle* toggle0 = nullptr;
  NXOpen::BlockStyler::SpecifyOrientation* manip0 = nullptr;

  std::string libraryFolder();
  void showPicture(const std::string& path);
};

int launch_wucanku();
