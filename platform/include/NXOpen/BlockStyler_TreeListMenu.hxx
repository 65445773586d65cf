// A context menu a tree shows: items with ids, texts and icons.
#pragma once
#include <vector>

#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT TreeListMenu {
public:
  struct Item {
    int id;
    NXString text;
    NXString icon;
  };
  virtual ~TreeListMenu();
  void AddMenuItem(int menuItemId, const NXString& menuItemText);
  void SetItemIcon(int menuItemId, const NXString& icon);
  const std::vector<Item>& Items() const { return items_; }

private:
  friend class Tree;
  TreeListMenu() = default;
  std::vector<Item> items_;
};

}  // namespace BlockStyler
}  // namespace NXOpen
