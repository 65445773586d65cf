// The dialog model: typed block properties, and the user's actions on a dialog with
// the callbacks they fire.
#include "platform/ui/dialog.h"

#include "platform/base/host_error.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/ui/dialog_kinds.h"
#include "platform/ui/driver.h"

namespace platform::ui {
namespace {

// The mask detail the host uses for "solid bodies only" in a (type, subtype, detail) triple.
constexpr int kSolidBodyDetail = 36;
// Selection filter actions, as the toolkit numbers them.
constexpr int kEnableAll = 0, kEnableSpecific = 1, kDisableSpecific = 2,
              kClearAndEnableSpecific = 3, kAllAndDisableSpecific = 4;

bool MatchesMask(Object& object, const std::array<int, 3>& mask) {
  if (object.Type() != mask[0] || object.Subtype() != mask[1]) return false;
  if (mask[2] != kSolidBodyDetail) return true;  // other details are not told apart
  auto* body = dynamic_cast<Body*>(&Session::Get().Prototype(object));
  return body && body->BodyType() == kSolidBodyType;
}

bool TypeMatches(PropertyType type, const PropertyValue& value) {
  switch (type) {
    case PropertyType::Logical: return std::holds_alternative<bool>(value);
    case PropertyType::Integer:
    case PropertyType::Enum: return std::holds_alternative<int>(value);
    case PropertyType::Double: return std::holds_alternative<double>(value);
    case PropertyType::String: return std::holds_alternative<std::string>(value);
    case PropertyType::Strings: return std::holds_alternative<std::vector<std::string>>(value);
    case PropertyType::Objects: return std::holds_alternative<std::vector<Tag>>(value);
    case PropertyType::Point:
    case PropertyType::Vector: return std::holds_alternative<Vec3>(value);
    case PropertyType::Integers: return std::holds_alternative<std::vector<int>>(value);
  }
  return false;
}

std::string ObjectText(Tag tag) {
  Object* object = Session::Get().Find(tag);
  std::string text = "object " + std::to_string(tag);
  if (object && !Session::Get().NameOf(*object).empty())
    text += " \"" + text::ToUtf8Lossy(Session::Get().NameOf(*object)) + "\"";
  return text;
}

}  // namespace

const char* PropertyTypeName(PropertyType type) {
  switch (type) {
    case PropertyType::Logical: return "logical";
    case PropertyType::Integer: return "integer";
    case PropertyType::Double: return "double";
    case PropertyType::String: return "string";
    case PropertyType::Strings: return "string list";
    case PropertyType::Enum: return "enumeration";
    case PropertyType::Objects: return "object list";
    case PropertyType::Point: return "point";
    case PropertyType::Vector: return "vector";
    case PropertyType::Integers: return "integer list";
  }
  return "?";
}

bool SelectionFilter::Accepts(Tag tag) const {
  Object* object = Session::Get().Find(tag);
  if (!object) return false;
  if (action == kEnableAll) return true;
  bool matched = false;
  for (const auto& mask : masks) matched = matched || MatchesMask(*object, mask);
  if (action == kEnableSpecific || action == kClearAndEnableSpecific) return matched;
  if (action == kDisableSpecific || action == kAllAndDisableSpecific) return !matched;
  return true;
}

// ---- Block

Property& Block::Get(const std::string& name) {
  auto it = properties.find(name);
  if (it == properties.end())
    throw HostError(HostStatus::NotFound,
                    "block \"" + id + "\" (" + kind + ") has no property \"" + name + "\"");
  return it->second;
}

const Property& Block::Get(const std::string& name) const {
  return const_cast<Block*>(this)->Get(name);
}

void Block::Set(const std::string& name, PropertyValue value) {
  Property& property = Get(name);
  if (!TypeMatches(property.type, value))
    throw HostError(HostStatus::InvalidArgument, "property \"" + name + "\" of block \"" + id +
                                                     "\" takes a " + PropertyTypeName(property.type));
  if (property.type == PropertyType::Enum && !property.members.empty()) {
    const int index = std::get<int>(value);
    if (index < 0 || index >= static_cast<int>(property.members.size()))
      throw HostError(HostStatus::InvalidArgument,
                      "enumeration \"" + id + "\" has no member " + std::to_string(index) + " (it has " +
                          std::to_string(property.members.size()) + ")");
  }
  property.value = std::move(value);
}

bool Block::Usable() const {
  if (!std::get<bool>(Get("Enable").value)) return false;
  // A shown drag handle lies in the graphics window: it can be dragged while its field is hidden.
  if (Has("ShowHandle") && std::get<bool>(Get("ShowHandle").value)) return true;
  for (const Block* b = this; b; b = b->parent)
    if (b->Has("Show") && !std::get<bool>(b->Get("Show").value)) return false;
  return true;
}

std::string Block::MainProperty() const {
  const BlockKind* k = FindBlockKind(kind);
  return k ? k->mainProperty : "";
}

// ---- Dialog

Dialog::Dialog(std::string fileName, std::string gbkTitle)
    : fileName_(std::move(fileName)), title_(std::move(gbkTitle)) {
  top_.id = "";
  top_.kind = "Dialog";
}

Dialog::~Dialog() = default;

Block* Dialog::Find(const std::string& id) {
  for (Block* block : AllBlocks())
    if (block->id == id) return block;
  return nullptr;
}

Block& Dialog::Require(const std::string& id) {
  if (Block* block = Find(id)) return *block;
  throw HostError(HostStatus::NotFound, "dialog " + fileName_ + " has no block \"" + id + "\"");
}

std::vector<Block*> Dialog::AllBlocks() {
  std::vector<Block*> result;
  std::function<void(Block&)> walk = [&](Block& b) {
    for (auto& child : b.children) {
      result.push_back(child.get());
      walk(*child);
    }
  };
  walk(top_);
  return result;
}

void Dialog::Show() {
  Driver* driver = CurrentDriver();
  if (!driver)
    throw HostError(HostStatus::Aborted, "dialog " + fileName_ +
                                             " was shown but nothing can answer it (no journal drives the host)");
  open_ = true;
  closedByOk_ = false;
  try {
    // A dialog whose class could not find its blocks in the file (one missing, or of
    // another kind) is not shown: its callbacks would use blocks it does not have.
    if (initialize) {
      try {
        initialize();
      } catch (const std::exception& e) {
        const std::string why = e.what();
        throw HostError(HostStatus::FileError,
                        (why.find(fileName_) == std::string::npos ? "dialog " + fileName_ + ": " : "") + why +
                            "; the dialog was not shown");
      }
    }
    if (shown) shown();
    driver->RunDialog(*this);
  } catch (...) {
    if (open_) {
      open_ = false;
      try {
        if (cancel) cancel();
      } catch (const std::exception&) {
        // The first failure is the one worth reporting.
      }
    }
    throw;
  }
  if (open_) {
    open_ = false;
    throw HostError(HostStatus::Aborted, "dialog " + fileName_ + " was left open by its driver");
  }
}

void Dialog::RequireOpen(const std::string& what) const {
  if (!open_)
    throw HostError(HostStatus::InvalidArgument,
                    what + ": dialog " + fileName_ + " is not open");
}

void Dialog::RequireUsable(const Block& block) const {
  RequireOpen("block \"" + block.id + "\"");
  if (!block.Usable())
    throw HostError(HostStatus::InvalidArgument,
                    "block \"" + block.id + "\" of " + fileName_ + " is hidden or disabled");
}

void Dialog::FireUpdate(Block& block) {
  if (update) update(block);
}

void Dialog::UserSet(Block& block, const std::string& property, PropertyValue value) {
  RequireUsable(block);
  if (property == "Label" || property == "Show" || property == "Enable" || property == "SelectedObjects")
    throw HostError(HostStatus::InvalidArgument, "property \"" + property + "\" of block \"" + block.id +
                                                     "\" cannot be set by the user");
  block.Set(property, std::move(value));
  FireUpdate(block);
}

void Dialog::UserSelect(Block& block, const std::vector<Tag>& objects) {
  RequireUsable(block);
  if (!block.Has("SelectedObjects"))
    throw HostError(HostStatus::InvalidArgument,
                    "block \"" + block.id + "\" is a " + block.kind + ", not a selection block");
  if (std::get<int>(block.Get("SelectMode").value) == 0 && objects.size() > 1)
    throw HostError(HostStatus::InvalidArgument, "block \"" + block.id + "\" takes one object, not " +
                                                     std::to_string(objects.size()));
  Session& session = Session::Get();
  const int scope = std::get<int>(block.Get("MaximumScope").value);
  for (Tag tag : objects) {
    Object* object = session.Find(tag);
    if (!object) throw HostError(HostStatus::InvalidTag, "tag " + std::to_string(tag) + " names no object");
    if (block.filter && !block.filter->Accepts(tag))
      throw HostError(HostStatus::InvalidArgument, "block \"" + block.id + "\" does not take " +
                                                       ObjectText(tag) + ": its selection filter excludes it");
    const bool inWork = object->owner && object->owner == session.Work() && !object->IsOccurrence();
    const bool inDisplay = object->owner && (object->owner == session.Work() || object->owner == session.Displayed());
    if (scope == kScopeWorkPart ? !inWork : !inDisplay)
      throw HostError(HostStatus::InvalidArgument, "block \"" + block.id + "\" does not take " +
                                                       ObjectText(tag) + ": it is outside the selection scope");
    if (filter && filter(block, tag) == 0)
      throw HostError(HostStatus::InvalidArgument, "block \"" + block.id + "\" does not take " +
                                                       ObjectText(tag) + ": the dialog's filter rejected it");
  }
  block.Set("SelectedObjects", objects);
  FireUpdate(block);
}

void Dialog::UserPress(Block& block) {
  RequireUsable(block);
  const BlockKind* kind = FindBlockKind(block.kind);
  if (!kind || !kind->pressable)
    throw HostError(HostStatus::InvalidArgument,
                    "block \"" + block.id + "\" is a " + block.kind + ", which cannot be pressed");
  FireUpdate(block);
}

int Dialog::UserApply() {
  RequireOpen("apply");
  return apply ? apply() : 0;
}

bool Dialog::UserOk() {
  RequireOpen("ok");
  // Without an OK callback the host's own OK applies, then closes.
  int result = ok ? ok() : apply ? apply() : 0;
  if (result == 0) {
    open_ = false;
    closedByOk_ = true;
  }
  return !open_;
}

void Dialog::UserCancel() {
  RequireOpen("cancel");
  open_ = false;
  if (cancel) cancel();
}

}  // namespace platform::ui
