// Base of every object of the object interface that stands for a host object (tag).
#pragma once
#include <NXOpen/libnxopencpp_exports.hxx>

typedef unsigned int tag_t;  // as uf_defs.h declares it

namespace NXOpen {

class NXOPENCPPEXPORT TaggedObject {
public:
  virtual ~TaggedObject();
  tag_t Tag() const { return tag_; }
  // Same as Tag(); the name some recorded journals use.
  tag_t GetTag() const { return tag_; }

protected:
  explicit TaggedObject(tag_t tag) : tag_(tag) {}

private:
  tag_t tag_;
};

}  // namespace NXOpen
