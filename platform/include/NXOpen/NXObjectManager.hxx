// From a tag to the object interface's object for it.
#pragma once
#include <NXOpen/NXObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT NXObjectManager {
public:
  // The object for a live tag (always the same one); throws NXException for a dead tag.
  static TaggedObject* Get(tag_t objectTag);
};

}  // namespace NXOpen
