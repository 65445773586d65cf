// Resolving selectors against the session: bodies of the work part, occurrences under
// the displayed part by instance-name path, attribute matches, sheets and views.
#include "app/journal/selectors.h"

#include <sstream>
#include <stdexcept>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/drafting/drawing.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace fabdoc::app::journal {
namespace {

using platform::Session;
using platform::Tag;

std::vector<std::string> SplitPath(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, '/');) parts.push_back(platform::text::ToGbk(part));
  return parts;
}

platform::Part& Require(platform::Part* part, const char* which, const std::string& selector) {
  if (!part) throw std::runtime_error("selector " + selector + ": there is no " + which + " part");
  return *part;
}

bool IsSolid(platform::Object& object) {
  auto* body = dynamic_cast<platform::Body*>(&Session::Get().Prototype(object));
  return body && body->BodyType() == platform::kSolidBodyType;
}

std::string InstanceName(const platform::ComponentOccurrence& occ) {
  if (!occ.parentPart) return "";
  const platform::Instance* instance = occ.parentPart->FindInstance(occ.instancePid);
  return instance ? instance->instanceName : "";
}

platform::ComponentOccurrence& FindComponent(const std::vector<std::string>& path, size_t count,
                                             const std::string& selector) {
  Session& session = Session::Get();
  platform::ComponentOccurrence* occ =
      &platform::Occurrences::Get().RootOccurrence(Require(session.Displayed(), "displayed", selector));
  for (size_t i = 0; i < count; ++i) {
    platform::ComponentOccurrence* next = nullptr;
    for (auto* child : platform::Occurrences::Get().Children(*occ))
      if (InstanceName(*child) == path[i]) {
        next = child;
        break;
      }
    if (!next)
      throw std::runtime_error("selector " + selector + ": no component named \"" +
                               platform::text::ToUtf8Lossy(path[i]) + "\" there");
    occ = next;
  }
  return *occ;
}

std::vector<Tag> VisibleBodies(const std::string& selector) {
  Session& session = Session::Get();
  platform::Part& root = Require(session.Displayed(), "displayed", selector);
  std::vector<Tag> tags;
  for (const auto& object : root.Objects())
    if (object->Type() == platform::kSolidType && object->Subtype() == platform::kSolidBodySubtype &&
        IsSolid(*object))
      tags.push_back(object->GetTag());
  for (platform::Object* occ : platform::Occurrences::Get().AllOccurrences(root))
    if (dynamic_cast<platform::BodyOccurrence*>(occ) && IsSolid(*occ)) tags.push_back(occ->GetTag());
  return tags;
}

std::vector<Tag> Bodies(const std::string& what, const std::string& selector) {
  Session& session = Session::Get();
  auto parts = SplitPath(what);
  std::string name = parts.back();
  int index = 0;  // 1-based choice among equal names, 0: the only one
  if (size_t hash = name.rfind('#'); hash != std::string::npos) {
    index = std::atoi(name.c_str() + hash + 1);
    if (index < 1) throw std::runtime_error("selector " + selector + ": #N counts from 1");
    name.erase(hash);
  }
  std::vector<Tag> matches;
  if (parts.size() == 1) {
    platform::Part& work = Require(session.Work(), "work", selector);
    for (const auto& object : work.Objects())
      if (object->Type() == platform::kSolidType && object->Subtype() == platform::kSolidBodySubtype &&
          IsSolid(*object) && session.NameOf(*object) == name)
        matches.push_back(object->GetTag());
  } else {
    auto& component = FindComponent(parts, parts.size() - 1, selector);
    for (auto* body : platform::Occurrences::Get().BodyOccurrences(component))
      if (IsSolid(*body) && session.NameOf(*body) == name) matches.push_back(body->GetTag());
  }
  if (matches.empty()) throw std::runtime_error("selector " + selector + " matches no solid body");
  if (index > static_cast<int>(matches.size()))
    throw std::runtime_error("selector " + selector + ": only " + std::to_string(matches.size()) +
                             " bodies have that name");
  if (index) return {matches[index - 1]};
  if (matches.size() > 1)
    throw std::runtime_error("selector " + selector + " matches " + std::to_string(matches.size()) +
                             " bodies; add #N to choose one");
  return matches;
}

bool IsSolidBody(platform::Object& object) {
  return object.Type() == platform::kSolidType && object.Subtype() == platform::kSolidBodySubtype && IsSolid(object);
}

// "NAME" or "NAME#N" when other bodies among `candidates` share the name.
std::string NameWithIndex(platform::Object& body, const std::vector<platform::Object*>& candidates) {
  Session& session = Session::Get();
  const std::string& name = session.NameOf(body);
  if (name.find_first_of("/#") != std::string::npos)
    throw std::runtime_error("body " + std::to_string(body.GetTag()) + " has no name a selector can hold");
  int index = 0, count = 0;
  for (platform::Object* other : candidates)
    if (IsSolidBody(*other) && session.NameOf(*other) == name) {
      ++count;
      if (other == &body) index = count;
    }
  const std::string utf8 = platform::text::ToUtf8(name);
  // An unnamed body is counted among the unnamed ones: "#N" even when it is the only one.
  return count > 1 || name.empty() ? utf8 + "#" + std::to_string(index) : utf8;
}

// "A/B": the instance names from the displayed part down to the component.
std::string ComponentPath(platform::ComponentOccurrence& component) {
  Session& session = Session::Get();
  std::string path;
  platform::ComponentOccurrence* occ = &component;
  while (occ && occ->parent != platform::kNullTag) {
    const std::string name = InstanceName(*occ);
    if (name.empty() || name.find('/') != std::string::npos)
      throw std::runtime_error("component " + std::to_string(occ->GetTag()) + " has no instance name a selector can hold");
    path = platform::text::ToUtf8(name) + (path.empty() ? "" : "/") + path;
    occ = dynamic_cast<platform::ComponentOccurrence*>(session.Find(occ->parent));
  }
  if (!occ || !session.Displayed() || occ != &platform::Occurrences::Get().RootOccurrence(*session.Displayed()))
    throw std::runtime_error("component " + std::to_string(component.GetTag()) + " is not under the displayed part");
  return path;
}

template <class T>
std::vector<T*> DrawingObjects(platform::Part& part) {
  std::vector<T*> result;
  for (const auto& object : part.Objects())
    if (auto* t = dynamic_cast<T*>(object.get())) result.push_back(t);
  return result;
}

}  // namespace

std::vector<Tag> ResolveSelector(const std::string& selector) {
  Session& session = Session::Get();
  const size_t colon = selector.find(':');
  if (colon == std::string::npos || colon + 1 == selector.size())
    throw std::runtime_error("\"" + selector + "\" is not a selector (KIND:WHAT, e.g. body:PLATE1)");
  const std::string kind = selector.substr(0, colon);
  const std::string what = selector.substr(colon + 1);

  if (kind == "body") return Bodies(what, selector);
  if (kind == "bodies") {
    std::vector<Tag> all = VisibleBodies(selector), result;
    if (what == "*") result = all;
    else {
      const size_t eq = what.find('=');
      if (eq == std::string::npos) throw std::runtime_error("selector " + selector + ": use bodies:TITLE=VALUE or bodies:*");
      const std::string title = platform::text::ToGbk(what.substr(0, eq));
      const std::string value = platform::text::ToGbk(what.substr(eq + 1));
      for (Tag tag : all) {
        const std::string* v = session.FindAttribute(session.Require(tag), title);
        if (v && *v == value) result.push_back(tag);
      }
    }
    if (result.empty()) throw std::runtime_error("selector " + selector + " matches no solid body");
    return result;
  }
  if (kind == "component") {
    auto parts = SplitPath(what);
    return {FindComponent(parts, parts.size(), selector).GetTag()};
  }
  if (kind == "sheet" || kind == "view") {
    platform::Part& part = Require(session.Displayed(), "displayed", selector);
    auto parts = SplitPath(what);
    if ((kind == "sheet") != (parts.size() == 1))
      throw std::runtime_error("selector " + selector + ": use sheet:NAME or view:SHEET/VIEW");
    for (auto* sheet : DrawingObjects<platform::DrawingSheet>(part)) {
      if (sheet->name != parts[0]) continue;
      if (kind == "sheet") return {sheet->GetTag()};
      for (auto* view : DrawingObjects<platform::DraftingView>(part))
        if (view->sheetPid == sheet->pid && view->name == parts[1]) return {view->GetTag()};
    }
    throw std::runtime_error("selector " + selector + " matches nothing in the displayed part");
  }
  throw std::runtime_error("unknown selector kind \"" + kind + "\" in " + selector +
                           " (body, bodies, component, sheet, view)");
}

std::vector<Tag> DisplayedBodies() { return VisibleBodies("bodies:*"); }

std::string SelectorFor(Tag tag) {
  Session& session = Session::Get();
  platform::Object& object = session.Require(tag);
  auto& occurrences = platform::Occurrences::Get();
  if (auto* component = dynamic_cast<platform::ComponentOccurrence*>(&object))
    return "component:" + ComponentPath(*component);
  if (auto* body = dynamic_cast<platform::BodyOccurrence*>(&object)) {
    auto* component = dynamic_cast<platform::ComponentOccurrence*>(session.Find(body->component));
    if (!component) throw std::runtime_error("body " + std::to_string(tag) + " is seen through no component");
    const auto seen = occurrences.BodyOccurrences(*component);
    const std::vector<platform::Object*> siblings(seen.begin(), seen.end());
    return "body:" + ComponentPath(*component) + "/" + NameWithIndex(object, siblings);
  }
  if (auto* sheet = dynamic_cast<platform::DrawingSheet*>(&object)) return "sheet:" + platform::text::ToUtf8Lossy(sheet->name);
  if (auto* view = dynamic_cast<platform::DraftingView*>(&object); view && view->sheetPid && view->owner)
    for (auto* sheet : DrawingObjects<platform::DrawingSheet>(*view->owner))
      if (sheet->pid == view->sheetPid)
        return "view:" + platform::text::ToUtf8Lossy(sheet->name) + "/" + platform::text::ToUtf8Lossy(view->name);
  if (IsSolidBody(object) && session.Work() && object.owner == session.Work()) {
    std::vector<platform::Object*> siblings;
    for (const auto& other : session.Work()->Objects()) siblings.push_back(other.get());
    return "body:" + NameWithIndex(object, siblings);
  }
  throw std::runtime_error("object " + std::to_string(tag) +
                           " is none of the bodies, components, sheets and views a selector can name");
}

}  // namespace fabdoc::app::journal
