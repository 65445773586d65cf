// A tree block: columns, nodes the add-on inserts, and handlers the host calls when
// the user selects a node or asks for its tooltip or context menu.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include <NXOpen/BlockStyler_Node.hxx>
#include <NXOpen/BlockStyler_TreeListMenu.hxx>
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <NXOpen/Callback.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT Tree : public UIBlock {
public:
  enum NodeInsertOption { NodeInsertOptionSort, NodeInsertOptionAlwaysFirst, NodeInsertOptionAlwaysLast };

  typedef Callback4<void, Tree*, Node*, int, bool> OnSelectCallback;
  typedef Callback3<NXString, Tree*, Node*, int> ToolTipTextCallback;
  typedef Callback3<void, Tree*, Node*, int> OnMenuCallback;
  typedef Callback3<void, Tree*, Node*, int> OnMenuSelectionCallback;

  ~Tree() override;
  void InsertColumn(int columnId, const NXString& columnName, int columnWidth);
  void SetColumnVisible(int columnId, bool visible);
  bool IsColumnVisible(int columnId);
  Node* CreateNode(const NXString& displayText);
  // Puts a created node under `parentNode` (null: the top level), after `afterNode`
  // when given, else first or last as the option says (Sort: by display text).
  void InsertNode(Node* node, Node* parentNode, Node* afterNode, NodeInsertOption option);
  void DeleteNode(Node* node);
  Node* RootNode();  // the first top-level node, or null
  std::vector<Node*> GetSelectedNodes();
  void SelectNode(Node* node, bool select, bool notify);

  void SetOnSelectHandler(const OnSelectCallback& cb);
  void SetToolTipTextHandler(const ToolTipTextCallback& cb);
  void SetOnMenuHandler(const OnMenuCallback& cb);
  void SetOnMenuSelectionHandler(const OnMenuSelectionCallback& cb);
  TreeListMenu* CreateMenu();  // the caller deletes it
  void SetMenu(TreeListMenu* menu);
  NXString ToolTipText(Node* node, int columnId);  // what the tooltip handler answers

private:
  friend class BlockDialog;
  friend class Node;
  Tree();
  Node* FindPath(const std::vector<NXString>& path);
  void SelectPath(const std::vector<NXString>& path);
  // The user opens the context menu on a node (or on no node) and picks an item by its
  // text or id.
  void ChooseMenuItem(const std::vector<NXString>& path, const std::string& item);
  // One line per node, indented by depth: text, icon, expanded or not, selected, tooltip.
  std::string Describe();

  struct Column {
    int id;
    NXString name;
    int width;
    bool visible;
  };
  std::vector<Column> columns_;
  std::vector<std::unique_ptr<Node>> nodes_;  // every node created
  std::vector<Node*> top_;
  std::vector<Node*> selected_;
  std::vector<TreeListMenu::Item> menu_;
  OnSelectCallback onSelect_;
  ToolTipTextCallback toolTip_;
  OnMenuCallback onMenu_;
  OnMenuSelectionCallback onMenuSelection_;
};

}  // namespace BlockStyler
}  // namespace NXOpen
