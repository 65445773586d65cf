// The tree block: nodes and columns kept by the toolkit object itself, since only the
// add-on and the user's node selection touch them.
#include <algorithm>

#include <NXOpen/BlockStyler_Tree.hxx>
#include <NXOpen/NXException.hxx>

#include "platform/base/host_error.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"

namespace NXOpen {
namespace BlockStyler {
namespace {

NXException TreeError(const std::string& message) {
  return NXException(static_cast<int>(platform::HostStatus::InvalidArgument), message);
}

}  // namespace

TreeListMenu::~TreeListMenu() = default;
void TreeListMenu::AddMenuItem(int id, const NXString& text) { items_.push_back({id, text, NXString()}); }
void TreeListMenu::SetItemIcon(int id, const NXString& icon) {
  for (auto& item : items_)
    if (item.id == id) item.icon = icon;
}

// ---- Node

Node::~Node() = default;
NXString Node::DisplayText() { return GetColumnDisplayText(0); }
void Node::SetDisplayText(const NXString& text) { SetColumnDisplayText(0, text); }
NXString Node::DisplayIcon() { return icon_; }
void Node::SetDisplayIcon(const NXString& icon) { icon_ = icon; }
NXString Node::SelectedIcon() { return selectedIcon_; }
void Node::SetSelectedIcon(const NXString& icon) { selectedIcon_ = icon; }
NXString Node::GetColumnDisplayText(int columnId) {
  auto it = texts_.find(columnId);
  return it == texts_.end() ? NXString() : it->second;
}
void Node::SetColumnDisplayText(int columnId, const NXString& text) { texts_[columnId] = text; }
Node* Node::ParentNode() { return parent_; }
Node* Node::FirstChildNode() { return children_.empty() ? nullptr : children_.front(); }

Node* Node::NextNode() {
  if (!inserted_) return nullptr;
  std::vector<Node*>& siblings = parent_ ? parent_->children_ : tree_->top_;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  return it == siblings.end() || it + 1 == siblings.end() ? nullptr : *(it + 1);
}

void Node::Expand(ExpandOption option) {
  expanded_ = option == ExpandOptionToggle ? !expanded_ : option == ExpandOptionExpand;
}
bool Node::IsExpanded() { return expanded_; }

// ---- Tree

Tree::Tree() = default;
Tree::~Tree() = default;

void Tree::InsertColumn(int columnId, const NXString& columnName, int columnWidth) {
  columns_.push_back({columnId, columnName, columnWidth, true});
}

void Tree::SetColumnVisible(int columnId, bool visible) {
  for (auto& c : columns_)
    if (c.id == columnId) return void(c.visible = visible);
  throw TreeError("the tree has no column " + std::to_string(columnId));
}

bool Tree::IsColumnVisible(int columnId) {
  for (auto& c : columns_)
    if (c.id == columnId) return c.visible;
  return false;
}

Node* Tree::CreateNode(const NXString& displayText) {
  nodes_.push_back(std::unique_ptr<Node>(new Node(this)));
  nodes_.back()->SetDisplayText(displayText);
  return nodes_.back().get();
}

void Tree::InsertNode(Node* node, Node* parentNode, Node* afterNode, NodeInsertOption option) {
  if (!node || node->tree_ != this) throw TreeError("InsertNode: the node was not created by this tree");
  if (node->inserted_) throw TreeError("InsertNode: the node is already in the tree");
  std::vector<Node*>& siblings = parentNode ? parentNode->children_ : top_;
  auto at = siblings.end();
  if (afterNode) {
    at = std::find(siblings.begin(), siblings.end(), afterNode);
    if (at == siblings.end()) throw TreeError("InsertNode: the node to insert after is not under that parent");
    ++at;
  } else if (option == NodeInsertOptionAlwaysFirst) {
    at = siblings.begin();
  } else if (option == NodeInsertOptionSort) {
    const std::string text = node->DisplayText().GetText();
    at = std::find_if(siblings.begin(), siblings.end(),
                      [&](Node* n) { return text < std::string(n->DisplayText().GetText()); });
  }
  siblings.insert(at, node);
  node->parent_ = parentNode;
  node->inserted_ = true;
}

void Tree::DeleteNode(Node* node) {
  if (!node || !node->inserted_) return;
  while (!node->children_.empty()) DeleteNode(node->children_.back());
  std::vector<Node*>& siblings = node->parent_ ? node->parent_->children_ : top_;
  std::erase(siblings, node);
  std::erase(selected_, node);
  std::erase_if(nodes_, [&](const auto& n) { return n.get() == node; });
}

Node* Tree::RootNode() { return top_.empty() ? nullptr : top_.front(); }
std::vector<Node*> Tree::GetSelectedNodes() { return selected_; }

void Tree::SelectNode(Node* node, bool select, bool notify) {
  const bool was = std::find(selected_.begin(), selected_.end(), node) != selected_.end();
  if (select && !was) selected_.push_back(node);
  if (!select && was) std::erase(selected_, node);
  if (notify && was != select && onSelect_) onSelect_(this, node, 0, select);
}

void Tree::SetOnSelectHandler(const OnSelectCallback& cb) { onSelect_ = cb; }
void Tree::SetToolTipTextHandler(const ToolTipTextCallback& cb) { toolTip_ = cb; }
void Tree::SetOnMenuHandler(const OnMenuCallback& cb) { onMenu_ = cb; }
void Tree::SetOnMenuSelectionHandler(const OnMenuSelectionCallback& cb) { onMenuSelection_ = cb; }
TreeListMenu* Tree::CreateMenu() { return new TreeListMenu(); }
void Tree::SetMenu(TreeListMenu* menu) { menu_ = menu ? menu->Items() : std::vector<TreeListMenu::Item>{}; }

NXString Tree::ToolTipText(Node* node, int columnId) {
  return toolTip_ ? toolTip_(this, node, columnId) : node->DisplayText();
}

Node* Tree::FindPath(const std::vector<NXString>& path) {
  std::vector<Node*>* level = &top_;
  Node* found = nullptr;
  std::string shown;
  for (const auto& text : path) {
    shown += (shown.empty() ? "" : "/") + platform::text::ToUtf8Lossy(text.GetText());
    auto it = std::find_if(level->begin(), level->end(), [&](Node* n) { return n->DisplayText() == text; });
    if (it == level->end())
      throw platform::HostError(platform::HostStatus::NotFound,
                                "tree \"" + platform::text::ToUtf8Lossy(Name().GetText()) + "\" has no node " + shown);
    found = *it;
    level = &found->children_;
  }
  if (!found) throw platform::HostError(platform::HostStatus::InvalidArgument, "an empty node path");
  return found;
}

// The user clicks a node: the old selection is dropped, then the node selected, each
// change reported to the select handler as the host does.
void Tree::SelectPath(const std::vector<NXString>& path) {
  Node* found = FindPath(path);
  for (Node* old : std::vector<Node*>(selected_))
    if (old != found) SelectNode(old, false, true);
  SelectNode(found, true, true);
}

// A right click: the menu handler builds the menu for that spot, the user picks an item
// of it by text or id, and the selection handler runs it.
void Tree::ChooseMenuItem(const std::vector<NXString>& path, const std::string& item) {
  Node* node = path.empty() ? nullptr : FindPath(path);
  menu_.clear();
  if (onMenu_) onMenu_(this, node, 0);
  std::string offered;
  for (const auto& entry : menu_) {
    if (entry.text.GetText() == item || std::to_string(entry.id) == item) {
      if (onMenuSelection_) onMenuSelection_(this, node, entry.id);
      return;
    }
    offered += (offered.empty() ? "" : ", ") + std::string("\"") + platform::text::ToUtf8Lossy(entry.text.GetText()) + "\"";
  }
  throw platform::HostError(platform::HostStatus::NotFound,
                            "the context menu of tree \"" + platform::text::ToUtf8Lossy(Name().GetText()) + "\" has no item \"" +
                                platform::text::ToUtf8Lossy(item) + "\" (it offers " + (offered.empty() ? "nothing" : offered) + ")");
}

std::string Tree::Describe() {
  // Tooltips are written as journal text is quoted.
  auto quoted = [](const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
      if (c == '"' || c == '\\') out += '\\';
      out += c;
    }
    return out + "\"";
  };
  std::string out;
  auto walk = [&](auto&& self, const std::vector<Node*>& level, int depth) -> void {
    for (Node* node : level) {
      out += std::string(2 * depth + 2, ' ') + platform::text::ToUtf8Lossy(node->DisplayText().GetText()) + " [" +
             platform::text::ToUtf8Lossy(node->DisplayIcon().GetText()) + "]";
      if (!node->children_.empty()) out += node->expanded_ ? " expanded" : " collapsed";
      if (std::find(selected_.begin(), selected_.end(), node) != selected_.end()) out += " selected";
      out += " tooltip " + quoted(platform::text::ToUtf8Lossy(ToolTipText(node, 0).GetText())) + "\n";
      self(self, node->children_, depth + 1);
    }
  };
  walk(walk, top_, 0);
  return out;
}

}  // namespace BlockStyler
}  // namespace NXOpen
