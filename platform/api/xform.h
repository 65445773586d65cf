// The assembly-context transform of UF_SO_create_xform_assy_ctxt: a session-only object
// (type UF_xform_type) that names the placement of one occurrence's part in another's.
// It is not stored in part files, and lives until its part is closed.
#pragma once
#include "platform/objects/object.h"
#include "platform/objects/transform.h"

namespace platform::api {

constexpr int kXformType = 219;

class AssemblyXform : public Object {
public:
  AssemblyXform() : Object(kXformType, 0) {}
  Transform transform;  // coordinates of the "from" part -> coordinates of the "to" part
};

// Takes the transform, registers it and returns it; forgets those of closed parts.
AssemblyXform& KeepXform(std::unique_ptr<AssemblyXform> xform);

}  // namespace platform::api
