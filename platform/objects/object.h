// Base of every object the host hands out a tag for.
#pragma once
#include <cstdint>
#include <string>

#include "platform/objects/attributes.h"
#include "platform/objects/display.h"
#include "platform/objects/tag.h"

namespace platform {

class Part;

class Object {
public:
  Object(int type, int subtype) : type_(type), subtype_(subtype) {}
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  Tag GetTag() const { return tag_; }
  int Type() const { return type_; }
  int Subtype() const { return subtype_; }
  virtual bool IsOccurrence() const { return false; }
  // What an occurrence shows: its prototype body, or its component's part once loaded.
  virtual Object* Prototype() const { return nullptr; }
  // Where a name, attribute or display the object has not set itself comes from.
  virtual Object* InheritsFrom() const { return nullptr; }
  virtual bool InheritsDisplay() const { return false; }
  virtual void StopInheritingDisplay() {}
  // The persistent id of the object of its part this one lies on (a view's or a note's
  // sheet); 0 for objects on none. Fixed before the object joins its part.
  virtual std::uint32_t HolderPid() const { return 0; }

  std::string name;          // host text (GBK)
  Display display;
  Attributes attributes;
  Part* owner = nullptr;     // the part the object lives in (context part for occurrences)
  std::uint32_t pid = 0;     // persistent id within its part file; 0 for session-only objects

private:
  friend class Session;
  Tag tag_ = kNullTag;
  int type_;
  int subtype_;
};

}  // namespace platform
