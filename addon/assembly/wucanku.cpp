// Standard-part library: the tree is filled once from the library folder; selecting a
// part shows its preview and imports it as one group, which the orientation handle moves.
#include "assembly/wucanku.hpp"

#include <cctype>
#include <cstring>

#include <io.h>
#include <uf.h>
#include <uf_cfi.h>
#include <uf_mtx.h>
#include <uf_obj.h>
#include <uf_part.h>
#include <uf_trns.h>

#include "host/dialog_framework.h"
#include "host/message.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* wucanku::theSession = nullptr;
UI* wucanku::theUI = nullptr;

namespace {

constexpr const char* kFolderIcon = "fileopen";
constexpr const char* kPartIcon = "piecepart";
constexpr size_t kLibraryPathBuffer = 3445;
constexpr size_t kImportPathBuffer = 1148;

// The ending after the last "." is ".prt" in any letter case.
bool IsPartFile(const char* name) {
  const char* dot = std::strrchr(name, '.');
  if (!dot || std::strlen(dot) != 4) return false;
  for (int i = 0; i < 4; ++i)
    if (std::tolower(static_cast<unsigned char>(dot[i])) != ".prt"[i]) return false;
  return true;
}

}  // namespace

wucanku::wucanku() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "wucanku.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

wucanku::~wucanku() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int wucanku::Show() { return kzt::show_dialog(theBlockDialog); }

std::string wucanku::libraryFolder() {
  return std::string(theSession->GetEnvironmentVariableValue("UGII_BASE_DIR").GetText()) + "\\kzt-1\\wucanku";
}

void wucanku::showPicture(const std::string& path) { drawingArea0->SetImage(path.c_str()); }

void wucanku::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  tree_control0 = kzt::find_block<Tree>(top, "tree_control0");
  drawingArea0 = kzt::find_block<DrawingArea>(top, "drawingArea0");
  group = kzt::find_block<Group>(top, "group");
  toggle0 = kzt::find_block<Toggle>(top, "toggle0");
  manip0 = kzt::find_block<SpecifyOrientation>(top, "manip0");
  tree_control0->SetOnSelectHandler(make_callback(this, &wucanku::OnSelectCallback));
  tree_control0->SetToolTipTextHandler(make_callback(this, &wucanku::ToolTipTextCallback));
  tree_control0->SetOnMenuHandler(make_callback(this, &wucanku::OnMenuCallback));
  tree_control0->SetOnMenuSelectionHandler(make_callback(this, &wucanku::OnMenuSelectionCallback));
  currentParent = nullptr;
  importedGroup = NULL_TAG;
}

void wucanku::dialogShown_cb() {
  kzt::guarded([&] {
    kzt::UfSession uf;
    tree_control0->InsertColumn(0, "零件列表", 180);
    tree_control0->InsertColumn(1, "对象路径", 180);
    tree_control0->SetColumnVisible(1, false);
    const std::string library = libraryFolder();
    showPicture(library + "\\welcome.bmp");
    if (library.size() >= kLibraryPathBuffer) {
      kzt::show_message("标准件库路径过长: " + library);
      return 0;
    }
    char folder[kLibraryPathBuffer];
    std::strcpy(folder, library.c_str());
    currentParent = nullptr;
    show_file(folder, nullptr);
    return 0;
  }, 0);
}

int wucanku::apply_cb() { return 0; }

int wucanku::ok_cb() { return kzt::ok_through_apply(this); }

int wucanku::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block != manip0 || importedGroup == NULL_TAG) return 0;
    kzt::UfSession uf;
    const Point3d newOrigin = manip0->Origin();
    const Vector3d newX = manip0->XAxis();
    const Vector3d newY = manip0->YAxis();
    const double fromOrigin[3] = {origin.X, origin.Y, origin.Z};
    const double fromX[3] = {xAxis.X, xAxis.Y, xAxis.Z};
    const double fromY[3] = {yAxis.X, yAxis.Y, yAxis.Z};
    const double toOrigin[3] = {newOrigin.X, newOrigin.Y, newOrigin.Z};
    const double toX[3] = {newX.X, newX.Y, newX.Z};
    const double toY[3] = {newY.X, newY.Y, newY.Z};
    double matrix[16];
    UF_MTX4_csys_to_csys(fromOrigin, fromX, fromY, toOrigin, toX, toY, matrix);
    const int count = 1, move = 1, keepLayers = 0, noTrace = 2;
    int status = 0;
    uf5947(matrix, &importedGroup, &count, &move, &keepLayers, &noTrace, nullptr, nullptr, &status);
    if (!kzt::report_host_failure("标准件未能移动:", status)) return 0;
    origin = newOrigin;
    xAxis = newX;
    yAxis = newY;
    return 0;
  }, 0);
}

PropertyList* wucanku::GetBlockProperties(const char* blockID) { return theBlockDialog->GetBlockProperties(blockID); }

void wucanku::OnSelectCallback(Tree*, Node* node, int, bool) {
  kzt::guarded([&] {
    kzt::UfSession uf;
    const std::string library = libraryFolder();
    if (std::string(node->DisplayIcon().GetText()) != kPartIcon) {
      showPicture(library + "\\floder.bmp");
      return 0;
    }
    const std::string path = node->GetColumnDisplayText(1).GetText();
    const std::string preview = path.substr(0, path.size() - 3) + "bmp";
    int missing = 1;
    UF_CFI_ask_file_exist(preview.c_str(), &missing);
    showPicture(missing == 0 ? preview : library + "\\nobitmap.bmp");
    if (importedGroup == NULL_TAG) {
      if (path.size() >= kImportPathBuffer) {
        kzt::show_message("标准件路径过长, 未导入: " + path);
        return 0;
      }
      char buffer[kImportPathBuffer];
      std::strcpy(buffer, path.c_str());
      importpart(buffer);
    } else {
      UF_OBJ_delete_object(importedGroup);
      importedGroup = NULL_TAG;
    }
    return 0;
  }, 0);
}

NXString wucanku::ToolTipTextCallback(Tree*, Node* node, int) { return node->GetColumnDisplayText(1); }

void wucanku::OnMenuCallback(Tree* tree, Node*, int) {
  kzt::guarded([&] {
    TreeListMenu* menu = tree->CreateMenu();
    if (tree->GetSelectedNodes().empty()) {
      menu->AddMenuItem(2, "全部折叠");
      menu->SetItemIcon(2, "ant_collapse_all");
      menu->AddMenuItem(3, "全部展开");
      menu->SetItemIcon(3, "ant_expand_all");
    } else {
      menu->AddMenuItem(0, "展开至选定的");
      menu->SetItemIcon(0, "ant_expand_to_selected");
      menu->AddMenuItem(1, "全部折叠");
      menu->SetItemIcon(1, "ant_collapse_all");
    }
    tree->SetMenu(menu);
    delete menu;
    return 0;
  }, 0);
}

void wucanku::OnMenuSelectionCallback(Tree* tree, Node*, int menuItemID) {
  kzt::guarded([&] {
    const std::vector<Node*> selected = tree->GetSelectedNodes();
    if (!selected.empty() && menuItemID != 1) {
      selected.front()->Expand(Node::ExpandOptionExpand);
      return 0;
    }
    const bool expand = selected.empty() && menuItemID == 3;
    for (Node* top = tree->RootNode(); top; top = top->NextNode())
      top->Expand(expand ? Node::ExpandOptionExpand : Node::ExpandOptionCollapse);
    return 0;
  }, 0);
}

void wucanku::show_file(const char* folder, Node* parent) {
  std::string pattern = std::string(folder) + "\\*";
  _finddata64i32_t entry;
  const intptr_t search = _findfirst64i32(pattern.c_str(), &entry);
  if (search == -1) {
    // The library itself cannot be listed: the tree stays empty, and the user learns why.
    if (!parent) kzt::show_message(std::string("标准件库文件夹不存在或无法读取: ") + folder);
    return;
  }
  do {
    if (std::strcmp(entry.name, ".") == 0 || std::strcmp(entry.name, "..") == 0) continue;
    const std::string full = std::string(folder) + "\\" + entry.name;
    char name[MAX_FSPEC_BUFSIZE] = "";
    uc4574(full.c_str(), 0, name);
    if (entry.attrib & _A_SUBDIR) {
      Node* node = CreateAndAddNode(nullptr, name);
      node->SetColumnDisplayText(1, full.c_str());
      node->SetDisplayIcon(kFolderIcon);
      node->SetSelectedIcon(kFolderIcon);
      currentParent = node;
      show_file(full.c_str(), node);
      currentParent = node->ParentNode();
    } else if (IsPartFile(name)) {
      Node* node = CreateAndAddNode(nullptr, name);
      node->SetColumnDisplayText(1, full.c_str());
      node->SetDisplayIcon(kPartIcon);
      node->SetSelectedIcon(kPartIcon);
    }
  } while (_findnext64i32(search, &entry) == 0);
  _findclose(search);
}

Node* wucanku::CreateAndAddNode(Node* afterNode, const char* text) {
  Node* node = tree_control0->CreateNode(text);
  lastNode = node;
  tree_control0->InsertNode(node, currentParent, afterNode, static_cast<Tree::NodeInsertOption>(2));
  return node;
}

void wucanku::initarray(char* destination, const char* source) {
  std::strcpy(destination, source);
  std::strcat(destination, "\\");
}

void wucanku::importpart(const char* path) {
  origin = manip0->Origin();
  xAxis = manip0->XAxis();
  yAxis = manip0->YAxis();
  UF_import_part_modes_t modes{};
  modes.layer_mode = toggle0->Value() ? 1 : 0;
  modes.group_mode = 1;
  double csys[6] = {xAxis.X, xAxis.Y, xAxis.Z, yAxis.X, yAxis.Y, yAxis.Z};
  double point[3] = {origin.X, origin.Y, origin.Z};
  tag_t imported = NULL_TAG;
  if (!kzt::report_host_failure(std::string("标准件未能导入: ") + path, UF_PART_import(path, &modes, csys, point, 1.0, &imported)))
    return;
  importedGroup = imported;
}

int launch_wucanku() { return kzt::launch_dialog<wucanku>(); }
