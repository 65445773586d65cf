// A node of a tree block: a text per column, icons, children, expanded or not.
#pragma once
#include <map>
#include <vector>

#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace BlockStyler {

class Tree;

class NXOPENCPPEXPORT Node {
public:
  enum ExpandOption { ExpandOptionCollapse, ExpandOptionExpand, ExpandOptionToggle };

  virtual ~Node();
  NXString DisplayText();
  void SetDisplayText(const NXString& text);
  NXString DisplayIcon();
  void SetDisplayIcon(const NXString& icon);
  NXString SelectedIcon();
  void SetSelectedIcon(const NXString& icon);
  NXString GetColumnDisplayText(int columnId);
  void SetColumnDisplayText(int columnId, const NXString& text);
  Node* ParentNode();      // null at the top level
  Node* NextNode();        // the next sibling, or null
  Node* FirstChildNode();  // null without children
  Node* NextSiblingNode() { return NextNode(); }
  void Expand(ExpandOption option);
  bool IsExpanded();

private:
  friend class Tree;
  explicit Node(Tree* tree) : tree_(tree) {}
  Tree* tree_;
  Node* parent_ = nullptr;
  bool inserted_ = false;
  bool expanded_ = false;
  std::map<int, NXString> texts_;  // column 0 is the display text
  NXString icon_, selectedIcon_;
  std::vector<Node*> children_;
};

}  // namespace BlockStyler
}  // namespace NXOpen
