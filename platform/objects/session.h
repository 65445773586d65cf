// The host session: every live object by tag, the open parts, the displayed and
// work parts. Objects kept beside the parts (the assemblies' occurrences) follow the
// parts through a SessionObserver.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/base/host_error.h"
#include "platform/objects/object.h"
#include "platform/objects/part.h"

namespace platform {

// Keeps objects of its own that depend on parts and their objects; told before they go.
// Each notice is optional: an observer overrides those it needs.
class SessionObserver {
public:
  virtual ~SessionObserver() = default;
  virtual void PartAdopted(Part&) {}
  virtual void PartClosing(Part&) {}
  // Before `object` is deleted: true when it is the observer's own and is now gone.
  // May refuse by throwing HostError.
  virtual bool Deleting(Object&) { return false; }
  // Before a tag leaves the session, whoever owned its object (after Deleting when that
  // found no owner among the observers).
  virtual void Forgetting(Tag) {}
  virtual void Reset() {}
};

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
  // Gives an open part another path, keeping the parts found by path up to date.
  void Repath(Part& part, std::string hostPath);
  Part* FindPartByFileName(const std::string& fileName) const;
  // The first part opened whose full path, file name or file name without its extension
  // is `name` (the host's part collection finds parts by any of the three).
  Part* FindPartByAnyName(const std::string& name) const;

  // The part shown, and the part edits go to with the component of the displayed
  // assembly it is seen through (null when the work part is the displayed part itself).
  Part* Displayed() const { return displayed_; }
  Part* Work() const { return work_; }
  Tag WorkOccurrence() const { return workOccurrence_; }
  void SetDisplayed(Part* part);  // also makes it the work part
  void SetWork(Part& part, Tag occurrence);

  // The body an occurrence shows, the part of a component occurrence; the object itself
  // for anything else.
  Object& Prototype(Object& object) const;

  // What an object shows and carries, following an occurrence to its prototype where
  // the occurrence has no value of its own.
  const Display& DisplayOf(Object& object) const;
  Display& EditDisplay(Object& object);  // makes an occurrence's display its own
  const std::string& NameOf(Object& object) const;
  const std::string* FindAttribute(Object& object, const std::string& title) const;

  // Destroys an object and everything that depends on it (faces, occurrences).
  void Delete(Tag tag);
  // Tells the observers the tag goes and unregisters it (for objects owned elsewhere).
  void Forget(Tag tag);
  // Forgets every part and object; a fresh session (tests, `close all`).
  void Reset();

  void Attach(SessionObserver& observer);
  void Detach(SessionObserver& observer);

private:
  Session();

  // Indexed by tag less kFirstTag: tags are given in sequence and never again, so a
  // look-up is one read whatever the session holds (null once an object is gone).
  static constexpr Tag kFirstTag = 10001;
  std::vector<Object*> objects_;
  std::vector<std::unique_ptr<Part>> parts_;
  // Open parts by HostPathKey of their paths, file names and file stems, each name's
  // parts in the order they were opened (the order a walk over the parts finds them).
  struct PartIndex {
    std::string (*nameOf)(std::string_view hostPath);
    std::unordered_map<std::string, std::vector<Part*>> parts;
  };
  mutable std::array<PartIndex, 3> partIndexes_;  // by path, by file name, by stem
  Part* FirstIn(PartIndex& index, const std::string& name) const;
  void IndexPath(Part& part) const;
  void UnindexPath(const Part& part);
  std::vector<SessionObserver*> observers_;
  Part* displayed_ = nullptr;
  Part* work_ = nullptr;
  Tag workOccurrence_ = kNullTag;
};

template <class T> T& Session::RequireAs(Tag tag, const char* what) const {
  T* object = dynamic_cast<T*>(&Require(tag));
  if (!object)
    throw HostError(HostStatus::WrongObjectType,
                    "object " + std::to_string(tag) + " is not " + what);
  return *object;
}

}  // namespace platform
