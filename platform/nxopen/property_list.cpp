// PropertyList: typed access to a toolkit block's properties by name. Values the
// add-on sets never fire the dialog's update callback.
#include <NXOpen/BlockStyler_PropertyList.hxx>
#include <NXOpen/NXObjectManager.hxx>

#include "platform/nxopen/host_calls.h"
#include "platform/objects/session.h"
#include "platform/ui/dialog.h"

using platform::nxopen::Call;
using platform::ui::Block;
using platform::ui::Property;
using platform::ui::PropertyType;
using platform::ui::PropertyValue;
using platform::ui::Vec3;

namespace NXOpen {
namespace BlockStyler {
namespace {

Block& B(void* block) { return *static_cast<Block*>(block); }

// The property's value after checking its type, or NXException naming block and property.
template <class V>
const V& Read(void* block, const NXString& name, std::initializer_list<PropertyType> types) {
  return Call([&]() -> const V& {
    Property& property = B(block).Get(name.GetText());
    for (PropertyType t : types)
      if (property.type == t) return std::get<V>(property.value);
    throw platform::HostError(platform::HostStatus::WrongObjectType,
                              "property \"" + std::string(name.GetText()) + "\" of block \"" + B(block).id +
                                  "\" is a " + platform::ui::PropertyTypeName(property.type) + " property");
  });
}

void Write(void* block, const NXString& name, PropertyValue value) {
  Call([&] { B(block).Set(name.GetText(), std::move(value)); });
}

}  // namespace

PropertyList::~PropertyList() = default;

bool PropertyList::GetLogical(const NXString& n) { return Read<bool>(block_, n, {PropertyType::Logical}); }
void PropertyList::SetLogical(const NXString& n, bool v) { Write(block_, n, v); }
int PropertyList::GetInteger(const NXString& n) { return Read<int>(block_, n, {PropertyType::Integer}); }
void PropertyList::SetInteger(const NXString& n, int v) { Write(block_, n, v); }
double PropertyList::GetDouble(const NXString& n) { return Read<double>(block_, n, {PropertyType::Double}); }
void PropertyList::SetDouble(const NXString& n, double v) { Write(block_, n, v); }
NXString PropertyList::GetString(const NXString& n) {
  return NXString(Read<std::string>(block_, n, {PropertyType::String}));
}
void PropertyList::SetString(const NXString& n, const NXString& v) { Write(block_, n, std::string(v.GetText())); }

std::vector<NXString> PropertyList::GetStrings(const NXString& n) {
  const auto& values = Read<std::vector<std::string>>(block_, n, {PropertyType::Strings});
  return std::vector<NXString>(values.begin(), values.end());
}

void PropertyList::SetStrings(const NXString& n, const std::vector<NXString>& v) {
  std::vector<std::string> values;
  for (const auto& s : v) values.push_back(s.GetText());
  Write(block_, n, values);
}

int PropertyList::GetEnum(const NXString& n) { return Read<int>(block_, n, {PropertyType::Enum}); }
void PropertyList::SetEnum(const NXString& n, int v) {
  Read<int>(block_, n, {PropertyType::Enum});
  Write(block_, n, v);
}

NXString PropertyList::GetEnumAsString(const NXString& n) {
  const int index = GetEnum(n);
  const auto& members = B(block_).Get(n.GetText()).members;
  return index >= 0 && index < static_cast<int>(members.size()) ? NXString(members[index]) : NXString();
}

void PropertyList::SetEnumAsString(const NXString& n, const NXString& v) {
  GetEnum(n);
  const auto& members = B(block_).Get(n.GetText()).members;
  for (size_t i = 0; i < members.size(); ++i)
    if (members[i] == v.GetText()) return SetEnum(n, static_cast<int>(i));
  throw NXException(static_cast<int>(platform::HostStatus::InvalidArgument),
                    "enumeration \"" + B(block_).id + "\" has no member " + v.GetText());
}

std::vector<NXString> PropertyList::GetEnumMembers(const NXString& n) {
  GetEnum(n);
  const auto& members = B(block_).Get(n.GetText()).members;
  return std::vector<NXString>(members.begin(), members.end());
}

void PropertyList::SetEnumMembers(const NXString& n, const std::vector<NXString>& v) {
  GetEnum(n);
  Property& property = B(block_).Get(n.GetText());
  property.members.clear();
  for (const auto& s : v) property.members.push_back(s.GetText());
  if (std::get<int>(property.value) >= static_cast<int>(v.size())) property.value = 0;
}

std::vector<TaggedObject*> PropertyList::GetTaggedObjectVector(const NXString& n) {
  std::vector<TaggedObject*> objects;
  for (platform::Tag tag : Read<std::vector<platform::Tag>>(block_, n, {PropertyType::Objects}))
    if (platform::Session::Get().Find(tag)) objects.push_back(NXObjectManager::Get(tag));  // deleted ones drop out
  return objects;
}

void PropertyList::SetTaggedObjectVector(const NXString& n, const std::vector<TaggedObject*>& objects) {
  std::vector<platform::Tag> tags;
  for (TaggedObject* o : objects)
    if (o) tags.push_back(o->Tag());
  Write(block_, n, tags);
}

Point3d PropertyList::GetPoint(const NXString& n) {
  const Vec3& v = Read<Vec3>(block_, n, {PropertyType::Point});
  return Point3d(v[0], v[1], v[2]);
}
void PropertyList::SetPoint(const NXString& n, const Point3d& p) {
  Read<Vec3>(block_, n, {PropertyType::Point});
  Write(block_, n, Vec3{p.X, p.Y, p.Z});
}
Vector3d PropertyList::GetVector(const NXString& n) {
  const Vec3& v = Read<Vec3>(block_, n, {PropertyType::Vector});
  return Vector3d(v[0], v[1], v[2]);
}
void PropertyList::SetVector(const NXString& n, const Vector3d& p) {
  Read<Vec3>(block_, n, {PropertyType::Vector});
  Write(block_, n, Vec3{p.X, p.Y, p.Z});
}

std::vector<int> PropertyList::GetIntegerVector(const NXString& n) {
  return Read<std::vector<int>>(block_, n, {PropertyType::Integers});
}
void PropertyList::SetIntegerVector(const NXString& n, const std::vector<int>& v) { Write(block_, n, v); }

void PropertyList::SetSelectionFilter(const NXString& n, Selection::SelectionAction action,
                                      const std::vector<Selection::MaskTriple>& maskTriples) {
  Block& block = B(block_);
  if (std::string(n.GetText()) != "SelectionFilter" || !block.filter)
    throw NXException(static_cast<int>(platform::HostStatus::InvalidArgument),
                      "block \"" + block.id + "\" has no selection filter \"" + n.GetText() + "\"");
  platform::ui::SelectionFilter filter;
  filter.action = static_cast<int>(action);
  for (const auto& m : maskTriples) filter.masks.push_back({m.Type, m.Subtype, m.SolidBodySubtype});
  block.filter = filter;
}

std::vector<NXString> PropertyList::GetPropertyNames() {
  std::vector<NXString> names;
  for (const auto& [name, property] : B(block_).properties) names.emplace_back(name);
  return names;
}

}  // namespace BlockStyler
}  // namespace NXOpen
