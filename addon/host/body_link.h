// Linked bodies: a body of another component brought into the work part.
#pragma once
#include <uf_defs.h>

namespace kzt {

// A linked body of `source` in the work part, placed by `xform`: the new feature, or
// false after showing why the host refused.
bool link_body(tag_t source, tag_t xform, tag_t workPart, tag_t& feature);

// Brings a body of another component into the work part as a linked body. Returns the
// new linked-body feature and sets `linkedBody` to its body; when the body already sits
// in the work occurrence, returns NULL_TAG and `linkedBody` is the body itself. When the
// link fails, the failure is shown and both are NULL_TAG.
tag_t 抽取实体(tag_t body, tag_t& linkedBody);

}  // namespace kzt
