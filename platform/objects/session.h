// The host session: every live object by tag, the open parts, the displayed and
// work parts, and the occurrences of assemblies.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/objects/host_error.h"
#include "platform/objects/object.h"
#include "platform/objects/part.h"

namespace platform {

class ComponentOccurrence;
class BodyOccurrence;

class Session {
public:
  static Session& Get();

  // ---- tags
  Tag Register(Object& object);
  void Unregister(Tag tag);
  Object* Find(Tag tag) const;
  // The object, or a HostError naming the tag when it is gone or of another kind.
  Object& Require(Tag tag) const;
  template <class T> T* FindAs(Tag tag) const { return dynamic_cast<T*>(Find(tag)); }
  template <class T> T& RequireAs(Tag tag, const char* what) const;

  // ---- parts
  Part& NewPart(const std::string& hostPath);   // empty, registered, not yet on disk
  Part& AdoptPart(std::unique_ptr<Part> part);  // a loaded part joins the session
  void ClosePart(Part& part);
  void CloseAll();
  const std::vector<std::unique_ptr<Part>>& Parts() const { return parts_; }
  Part* FindPartByPath(const std::string& hostPath) const;  // case-insensitive, like the host
  Part* FindPartByFileName(const std::string& fileName) const;

  Part* displayed = nullptr;
  Part* work = nullptr;
  Tag workOccurrence = kNullTag;  // null when the work part is the displayed part itself
  void SetDisplayed(Part* part);  // also makes it the work part

  // ---- occurrences (created on first use, stable for the session)
  ComponentOccurrence& RootOccurrence(Part& part);
  std::vector<ComponentOccurrence*> Children(ComponentOccurrence& occ);
  std::vector<BodyOccurrence*> BodyOccurrences(ComponentOccurrence& occ);
  // Placement of an occurrence's part in its root part.
  Transform AbsoluteTransform(const ComponentOccurrence& occ) const;
  // Every occurrence of an assembly part, depth first: each component, its bodies, its children.
  std::vector<Object*> AllOccurrences(Part& root);
  // The occurrences made so far whose root is `root` (what a save must remember).
  std::vector<Object*> LiveOccurrences(const Part& root) const;
  // The body an occurrence shows; the object itself for anything else.
  Object& Prototype(Object& object) const;

  // What an object shows and carries, following an occurrence to its prototype where
  // the occurrence has no value of its own.
  const Display& DisplayOf(Object& object) const;
  Display& EditDisplay(Object& object);  // makes an occurrence's display its own
  const std::string& NameOf(Object& object) const;
  const std::string* FindAttribute(Object& object, const std::string& title) const;

  // Destroys an object and everything that depends on it (faces, occurrences).
  void Delete(Tag tag);
  // Forgets every part and object; a fresh session (tests, `close all`).
  void Reset();

  // Called before an object is destroyed so dependants (views, caches) can let go.
  std::vector<std::function<void(Tag)>> onDelete;

private:
  Session() = default;
  void DropOccurrencesOf(Part& part);
  void DropOccurrence(Tag tag);

  std::unordered_map<Tag, Object*> objects_;
  std::vector<std::unique_ptr<Part>> parts_;
  std::vector<std::unique_ptr<Object>> occurrences_;  // owned here, not by a part
  std::map<std::string, Tag> occurrenceByKey_;        // "<root tag>:<key>"
  Tag nextTag_ = 10001;
};

template <class T> T& Session::RequireAs(Tag tag, const char* what) const {
  T* object = dynamic_cast<T*>(&Require(tag));
  if (!object)
    throw HostError(HostStatus::WrongObjectType,
                    "object " + std::to_string(tag) + " is not " + what);
  return *object;
}

}  // namespace platform
