// The table of block kinds: one row per toolkit block class.
#include "platform/ui/dialog_kinds.h"

#include <algorithm>

#include "platform/objects/display.h"

namespace platform::ui {
namespace {

Property P(PropertyType type, PropertyValue value, std::vector<std::string> members = {}) {
  return Property{type, std::move(value), std::move(members)};
}

const std::vector<BlockKind>& Kinds() {
  using T = PropertyType;
  static const std::vector<BlockKind> kinds = {
      {"Group", true, false, "", {{"Expanded", P(T::Logical, true)}}},
      {"Enumeration", false, false, "Value", {{"Value", P(T::Enum, 0)}}},
      {"SelectObject", false, false, "SelectedObjects",
       {{"SelectedObjects", P(T::Objects, std::vector<Tag>{})},
        {"MaximumScope", P(T::Enum, int(kScopeWorkPartAndComponents),
                           {"Within Work Part Only", "Within Work Part and Components",
                            "Within Displayed Part", "Entire Assembly"})},
        {"SelectMode", P(T::Enum, 1, {"Single", "Multiple"})}}},
      {"Label", false, false, "", {}},
      {"FolderSelection", false, false, "Path", {{"Path", P(T::String, std::string())}}},
      {"Toggle", false, false, "Value", {{"Value", P(T::Logical, false)}}},
      {"StringBlock", false, false, "Value", {{"Value", P(T::String, std::string())}}},
      {"Separator", false, false, "", {}},
      {"ObjectColorPicker", false, false, "Value",
       {{"Value", P(T::Integers, std::vector<int>{kDefaultBodyColor})}}},
      {"Button", false, true, "", {}},
      {"ExpressionBlock", false, false, "Value", {{"Value", P(T::Double, 0.0)}}},
      {"DoubleBlock", false, false, "Value", {{"Value", P(T::Double, 0.0)}}},
      {"IntegerBlock", false, false, "Value", {{"Value", P(T::Integer, 0)}}},
      {"LinearDimension", false, false, "Value",
       {{"Value", P(T::Double, 0.0)},
        {"HandleOrigin", P(T::Point, Vec3{0, 0, 0})},
        {"HandleOrientation", P(T::Vector, Vec3{1, 0, 0})},
        {"ShowHandle", P(T::Logical, false)}}},
      {"Tree", false, false, "", {}},
      {"DrawingArea", false, false, "Image", {{"Image", P(T::String, std::string())}}},
      {"SpecifyOrientation", false, false, "Origin",
       {{"Origin", P(T::Point, Vec3{0, 0, 0})},
        {"XAxis", P(T::Vector, Vec3{1, 0, 0})},
        {"YAxis", P(T::Vector, Vec3{0, 1, 0})}}},
      {"SpecifyPoint", false, false, "Point", {{"Point", P(T::Point, Vec3{0, 0, 0})}}},
  };
  return kinds;
}

}  // namespace

const BlockKind* FindBlockKind(const std::string& name) {
  for (const auto& kind : Kinds())
    if (kind.name == name) return &kind;
  return nullptr;
}

std::vector<std::string> BlockKindNames() {
  std::vector<std::string> names;
  for (const auto& kind : Kinds()) names.push_back(kind.name);
  return names;
}

void InitBlock(Block& block, const BlockKind& kind) {
  block.kind = kind.name;
  block.properties["Label"] = P(PropertyType::String, std::string());
  block.properties["Show"] = P(PropertyType::Logical, true);
  block.properties["Enable"] = P(PropertyType::Logical, true);
  for (const auto& [name, property] : kind.properties) block.properties[name] = property;
  if (block.Has("SelectedObjects")) block.filter = SelectionFilter{};
}

}  // namespace platform::ui
