// Objects of the object interface for host objects: one per live tag, each reading the
// session on every call, so that it never holds stale state.
#include <cstdlib>
#include <map>
#include <memory>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/Body.hxx>
#include <NXOpen/Drawings_BaseView.hxx>
#include <NXOpen/Drawings_DrawingSheet.hxx>
#include <NXOpen/ModelingView.hxx>
#include <NXOpen/Face.hxx>
#include <NXOpen/Features_BodyFeature.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>

#include "platform/assemblies/component_identifier.h"
#include "platform/assemblies/occurrence.h"
#include "platform/drafting/drawing.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/host_environment.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"

using platform::HostError;
using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {
namespace {

platform::Object& Live(tag_t tag) { return Call([&]() -> platform::Object& { return platform::Session::Get().Require(tag); }); }

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
    else if (dynamic_cast<platform::ComponentOccurrence*>(&object)) slot.reset(new Assemblies::Component(objectTag));
    else if (object.Type() == platform::kDrawingType) slot.reset(new Drawings::DrawingSheet(objectTag));
    else if (auto* view = dynamic_cast<platform::DraftingView*>(&object)) {
      if (view->kind == platform::ViewKind::Model) slot.reset(new ModelingView(objectTag));
      else if (view->kind == platform::ViewKind::Base) slot.reset(new Drawings::BaseView(objectTag));
      else slot.reset(new Drawings::DraftingView(objectTag));
    } else if (object.Type() == platform::kViewType) slot.reset(new View(objectTag));
    else slot.reset(new NXObject(objectTag));
  }
  return slot.get();
}

// ---- NXObject

NXObject::~NXObject() = default;

NXString NXObject::Name() { return NXString(platform::Session::Get().NameOf(Live(Tag()))); }
void NXObject::SetName(const NXString& name) { platform::SetObjectName(Live(Tag()), name.GetText()); }
bool NXObject::IsOccurrence() { return Live(Tag()).IsOccurrence(); }

NXString NXObject::JournalIdentifier() {
  platform::Object& object = Live(Tag());
  if (auto* component = dynamic_cast<platform::ComponentOccurrence*>(&object))
    return NXString(platform::ComponentIdentifier(*component));
  if (auto* feature = dynamic_cast<platform::Feature*>(&object))
    return NXString(feature->kind + "(" + std::to_string(Tag()) + ")");
  if (auto* part = dynamic_cast<platform::Part*>(&object)) return NXString(platform::HostFileStem(part->path));
  return NXString("HANDLE R-" + std::to_string(Tag()));
}

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

// ---- Session

Session* Session::GetSession() {
  static Session session;
  return &session;
}

PartCollection* Session::Parts() { return &parts_; }

NXString Session::GetEnvironmentVariableValue(const NXString& name) {
  // The installation folder reads as the host names it, as UF_translate_variable gives it.
  if (std::string(name.GetUTF8Text()) == "UGII_BASE_DIR")
    return NXString(platform::nxopen::Call([] { return platform::BaseDirHostPath(); }));
  const char* value = std::getenv(name.GetUTF8Text());
  return value ? NXString(value, NXString::UTF8) : NXString();
}

}  // namespace NXOpen
