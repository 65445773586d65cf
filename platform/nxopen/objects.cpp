// Objects of the object interface for host objects: one per live tag, each reading the
// session on every call, so that it never holds stale state.
#include <cstdlib>
#include <map>
#include <memory>

#include <NXOpen/Body.hxx>
#include <NXOpen/Face.hxx>
#include <NXOpen/Features_BodyFeature.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>

#include "platform/assemblies/occurrence.h"
#include "platform/files/host_path.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/session.h"

using platform::HostError;
using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {
namespace {

platform::Object& Live(tag_t tag) { return Call([&]() -> platform::Object& { return platform::Session::Get().Require(tag); }); }

platform::Part& LivePart(tag_t tag) {
  return Call([&]() -> platform::Part& { return platform::Session::Get().RequireAs<platform::Part>(tag, "a part"); });
}

}  // namespace

TaggedObject::~TaggedObject() = default;

TaggedObject* NXObjectManager::Get(tag_t objectTag) {
  // Tags are never reused in a session, so an object made once stays right for its tag.
  static std::map<tag_t, std::unique_ptr<TaggedObject>> objects;
  platform::Object& object = Live(objectTag);
  auto& slot = objects[objectTag];
  if (!slot) {
    if (object.Type() == platform::kPartType) slot.reset(new Part(objectTag));
    else if (object.Type() == platform::kSolidType && object.Subtype() == platform::kSolidBodySubtype)
      slot.reset(new Body(objectTag));
    else if (object.Type() == platform::kSolidType && object.Subtype() == platform::kSolidFaceSubtype)
      slot.reset(new Face(objectTag));
    else if (object.Type() == platform::kFeatureType) slot.reset(new Features::BodyFeature(objectTag));
    else slot.reset(new NXObject(objectTag));
  }
  return slot.get();
}

// ---- NXObject

NXObject::~NXObject() = default;

NXString NXObject::Name() { return NXString(platform::Session::Get().NameOf(Live(Tag()))); }
void NXObject::SetName(const NXString& name) { Live(Tag()).name = name.GetText(); }
bool NXObject::IsOccurrence() { return Live(Tag()).IsOccurrence(); }

NXString NXObject::GetStringAttribute(const NXString& title) {
  const std::string* value = platform::Session::Get().FindAttribute(Live(Tag()), title.GetText());
  if (!value)
    throw NXException(static_cast<int>(HostStatus::NotFound),
                      std::string("object ") + std::to_string(Tag()) + " has no attribute " + title.GetText());
  return NXString(*value);
}

bool NXObject::HasUserAttribute(const NXString& title) {
  return platform::Session::Get().FindAttribute(Live(Tag()), title.GetText()) != nullptr;
}

void NXObject::SetAttribute(const NXString& title, const NXString& value) {
  platform::Object& object = Live(Tag());
  object.attributes.Set(title.GetText(), value.GetText());
  if (object.owner) object.owner->modified = true;
}

void NXObject::DeleteAttribute(const NXString& title) { Live(Tag()).attributes.Remove(title.GetText()); }

// ---- Body

Body::~Body() = default;

static platform::Body* ShapeOf(tag_t tag) {
  return dynamic_cast<platform::Body*>(&platform::Session::Get().Prototype(Live(tag)));
}

bool Body::IsSolidBody() {
  platform::Body* body = ShapeOf(Tag());
  return body && body->BodyType() == platform::kSolidBodyType;
}

bool Body::IsSheetBody() {
  platform::Body* body = ShapeOf(Tag());
  return body && body->BodyType() == platform::kSheetBodyType;
}

Body* Body::Prototype() {
  return dynamic_cast<Body*>(NXObjectManager::Get(platform::Session::Get().Prototype(Live(Tag())).GetTag()));
}

// ---- parts

BasePart::~BasePart() = default;
Part::~Part() = default;
PartSaveStatus::~PartSaveStatus() = default;

NXString BasePart::FullPath() { return NXString(LivePart(Tag()).path); }
NXString BasePart::Leaf() { return NXString(platform::HostFileStem(LivePart(Tag()).path)); }

PartSaveStatus* BasePart::Save(SaveComponents saveChildComponents, CloseAfterSave close) {
  platform::Part& part = LivePart(Tag());
  std::vector<platform::Part*> toSave{&part};
  if (saveChildComponents == SaveComponentsTrue)
    for (const auto& instance : part.Instances())
      if (platform::Part* child = platform::Session::Get().FindPartByPath(instance.partPath))
        toSave.push_back(child);
  int unsaved = 0;
  std::string firstError;
  for (platform::Part* p : toSave) {
    try {
      platform::files::SavePart(*p, p->path);
    } catch (const HostError& e) {
      if (unsaved++ == 0) firstError = platform::nxopen::HostText(e.what());
    }
  }
  if (close == CloseAfterSaveTrue && unsaved == 0) platform::Session::Get().ClosePart(part);
  return new PartSaveStatus(unsaved, NXString(firstError));
}

Part* PartCollection::Work() {
  platform::Part* part = platform::Session::Get().work;
  return part ? dynamic_cast<Part*>(NXObjectManager::Get(part->GetTag())) : nullptr;
}

Part* PartCollection::Display() {
  platform::Part* part = platform::Session::Get().displayed;
  return part ? dynamic_cast<Part*>(NXObjectManager::Get(part->GetTag())) : nullptr;
}

BasePart* PartCollection::FindObject(const NXString& name) {
  const std::string wanted = name.GetText();
  for (const auto& part : platform::Session::Get().Parts()) {
    if (platform::SameHostPath(part->path, wanted) || platform::SameHostPath(platform::HostFileName(part->path), wanted) ||
        platform::SameHostPath(platform::HostFileStem(part->path), wanted))
      return dynamic_cast<BasePart*>(NXObjectManager::Get(part->GetTag()));
  }
  throw NXException(static_cast<int>(HostStatus::NotFound),
                    std::string("no open part is named ") + wanted);
}

void PartCollection::SetWork(Part* part) {
  platform::Session& session = platform::Session::Get();
  platform::Part& target = LivePart(part->Tag());
  platform::Tag occurrence = platform::kNullTag;
  if (&target != session.displayed && session.displayed) {
    for (platform::Object* o : session.AllOccurrences(*session.displayed))
      if (auto* c = dynamic_cast<platform::ComponentOccurrence*>(o); c && c->part == &target) {
        occurrence = c->GetTag();
        break;
      }
    if (occurrence == platform::kNullTag)
      throw NXException(static_cast<int>(HostStatus::InvalidArgument),
                        target.path + " is not a component of the displayed part");
  }
  session.work = &target;
  session.workOccurrence = occurrence;
}

// ---- Session

Session* Session::GetSession() {
  static Session session;
  return &session;
}

PartCollection* Session::Parts() { return &parts_; }

NXString Session::GetEnvironmentVariableValue(const NXString& name) {
  const char* value = std::getenv(name.GetUTF8Text());
  return value ? NXString(value, NXString::UTF8) : NXString();
}

}  // namespace NXOpen
