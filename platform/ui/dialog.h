// The headless dialog toolkit's model: a dialog read from its dialog file, its blocks
// with typed properties, the callbacks the add-on registered, and what a user (the
// journal) does to it. Values set by the add-on never fire callbacks; values set by
// the user fire the update callback, as on the real host.
#pragma once
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/objects/tag.h"

namespace platform::ui {

enum class PropertyType { Logical, Integer, Double, String, Strings, Enum, Objects, Point, Vector, Integers };
const char* PropertyTypeName(PropertyType type);

using Vec3 = std::array<double, 3>;
// bool: Logical; int: Integer, Enum; std::string: String (GBK); Vec3: Point, Vector.
using PropertyValue = std::variant<bool, int, double, std::string, std::vector<std::string>,
                                   std::vector<Tag>, Vec3, std::vector<int>>;

struct Property {
  PropertyType type = PropertyType::String;
  PropertyValue value;
  std::vector<std::string> members;  // an enumeration's member names (GBK)
};

// Which objects a selection block takes: an action and (type, subtype, detail) triples.
struct SelectionFilter {
  int action = 0;                          // 0 enable all ... 3 clear and enable specific
  std::vector<std::array<int, 3>> masks;
  bool Accepts(Tag tag) const;
};

class Block {
public:
  std::string id;
  std::string kind;
  Block* parent = nullptr;
  std::vector<std::unique_ptr<Block>> children;
  std::map<std::string, Property> properties;
  std::optional<SelectionFilter> filter;  // selection blocks only
  // A tree block's node selection by column-0 texts; installed by the toolkit's tree.
  std::function<void(const std::vector<std::string>& path)> selectNode;
  // A tree's context menu opened on the node at `path` (empty: on no node) and the item
  // with that text (GBK) or id chosen; installed by the toolkit's tree.
  std::function<void(const std::vector<std::string>& path, const std::string& item)> chooseMenuItem;
  // What `print` shows of a block without a value (a tree's nodes), or null.
  std::function<std::string()> describe;

  bool Has(const std::string& name) const { return properties.count(name) != 0; }
  // The property, or HostError(NotFound) naming the block and the property.
  Property& Get(const std::string& name);
  const Property& Get(const std::string& name) const;
  // Stores a value after checking it has the property's type; enumerations check the index.
  void Set(const std::string& name, PropertyValue value);
  // Enabled, and shown (itself and every enclosing block) or showing its drag handle.
  bool Usable() const;
  // The property a journal's `set BLOCK VALUE` and `print BLOCK` mean, or "" for none.
  std::string MainProperty() const;
};

class Dialog {
public:
  Dialog(std::string fileName, std::string gbkTitle);
  ~Dialog();

  const std::string& FileName() const { return fileName_; }
  const std::string& Title() const { return title_; }
  Block& Top() { return top_; }
  Block* Find(const std::string& id);
  // The block, or HostError(NotFound) naming the dialog file and the id.
  Block& Require(const std::string& id);
  std::vector<Block*> AllBlocks();  // depth first, in file order

  // ---- callbacks registered by the add-on (all optional)
  std::function<int()> apply, ok, cancel;
  std::function<void()> initialize, shown;
  std::function<int(Block&)> update;
  std::function<int(Block&, Tag)> filter;  // 1 accept, 0 reject

  // Runs the dialog modally: initialize, shown, then the current driver until the
  // dialog is closed. Throws HostError when no driver is set or the driver fails;
  // the dialog is then cancelled.
  void Show();
  bool IsOpen() const { return open_; }
  bool ClosedByOk() const { return closedByOk_; }

  // ---- what the user does; each throws HostError naming the block on misuse
  void UserSet(Block& block, const std::string& property, PropertyValue value);
  void UserSelect(Block& block, const std::vector<Tag>& objects);
  void UserPress(Block& block);
  int UserApply();   // apply_cb's result (0 without one)
  bool UserOk();     // true when the dialog closed
  void UserCancel();

private:
  void RequireOpen(const std::string& what) const;
  void RequireUsable(const Block& block) const;
  void FireUpdate(Block& block);

  std::string fileName_;
  std::string title_;
  Block top_;
  bool open_ = false;
  bool closedByOk_ = false;
};

}  // namespace platform::ui
