// Displayable objects and display modifications of the object interface.
#include <NXOpen/DisplayModification.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/Session.hxx>

#include "platform/assemblies/occurrence.h"
#include "platform/geometry/body.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/display.h"
#include "platform/objects/session.h"

using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {

namespace {

platform::Object& Live(tag_t tag) {
  return Call([&]() -> platform::Object& { return platform::Session::Get().Require(tag); });
}

}  // namespace

DisplayableObject::~DisplayableObject() = default;
int DisplayableObject::Color() { return platform::Session::Get().DisplayOf(Live(Tag())).color; }
int DisplayableObject::Layer() { return platform::Session::Get().DisplayOf(Live(Tag())).layer; }
bool DisplayableObject::IsBlanked() { return platform::Session::Get().DisplayOf(Live(Tag())).blanked; }

DisplayModification::~DisplayModification() = default;

void DisplayModification::SetNewColor(int color) { color_ = color; }
void DisplayModification::SetNewTranslucency(int translucency) { translucency_ = translucency; }

void DisplayModification::Apply(const std::vector<DisplayableObject*>& objects) {
  if (color_ != -1 && (color_ < 1 || color_ > platform::kColorCount))
    throw NXException(static_cast<int>(HostStatus::InvalidArgument),
                      "display modification: colour " + std::to_string(color_) + " is not one of 1 to " +
                          std::to_string(platform::kColorCount));
  if (translucency_ != -1 && (translucency_ < 0 || translucency_ > 100))
    throw NXException(static_cast<int>(HostStatus::InvalidArgument),
                      "display modification: translucency " + std::to_string(translucency_) + " is not one of 0 to 100");
  platform::Session& session = platform::Session::Get();
  std::vector<platform::Object*> targets;
  for (DisplayableObject* object : objects) {
    if (!object) throw NXException(static_cast<int>(HostStatus::InvalidArgument), "display modification: a null object in the list");
    platform::Object& target = Live(object->Tag());
    if (!dynamic_cast<platform::Body*>(&target) && !dynamic_cast<platform::BodyOccurrence*>(&target))
      throw NXException(static_cast<int>(HostStatus::WrongObjectType),
                        "display modification: object " + std::to_string(object->Tag()) + " is not a body");
    targets.push_back(&target);
  }
  auto change = [&](platform::Object& object) {
    platform::Display& display = session.EditDisplay(object);
    if (color_ != -1) display.color = color_;
    if (translucency_ != -1) display.translucency = translucency_;
  };
  for (platform::Object* target : targets) {
    change(*target);
    if (owningParts_ && target->IsOccurrence()) change(session.Prototype(*target));
    if (target->owner) target->owner->modified = true;
  }
}

DisplayModification* DisplayManager::NewDisplayModification() { return new DisplayModification(); }

NXOpen::DisplayManager* Session::DisplayManager() { return &display_; }

void Session::CleanUpFacetedFacesAndEdges() {}

}  // namespace NXOpen
