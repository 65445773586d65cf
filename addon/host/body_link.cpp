// Linked bodies: a body of another component brought into the work part.
#include "host/body_link.h"

#include <cstdio>

#include <uf_assem.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_so.h>
#include <uf_wave.h>

#include "host/message.h"
#include "host/uf_session.h"

namespace kzt {

bool link_body(tag_t source, tag_t xform, tag_t workPart, tag_t& feature) {
  UfSession uf;
  char doing[160];
  std::snprintf(doing, sizeof doing, "体 %u 未能链接到工作部件:", source);
  return report_host_failure(doing, UF_WAVE_create_linked_body(source, xform, workPart, true, &feature));
}

tag_t 抽取实体(tag_t body, tag_t& linkedBody) {
  UfSession uf;
  linkedBody = body;
  const tag_t parent = UF_ASSEM_ask_parent_component(body);
  const tag_t work = UF_ASSEM_ask_work_occurrence();
  if (parent == work) return NULL_TAG;
  const tag_t prototype = UF_ASSEM_ask_prototype_of_occ(body);
  const tag_t workPart = UF_ASSEM_ask_work_part();
  tag_t xform = NULL_TAG;
  UF_SO_create_xform_assy_ctxt(workPart, parent, work, &xform);
  tag_t feature = NULL_TAG;
  if (!link_body(prototype, xform, workPart, feature)) {
    linkedBody = NULL_TAG;
    return NULL_TAG;
  }
  // A link whose body cannot be had would stay in the work part on top of its source.
  if (!report_host_failure("链接体未能取得:", UF_MODL_ask_feat_body(feature, &linkedBody)) || linkedBody == NULL_TAG) {
    UF_OBJ_delete_object(feature);
    linkedBody = NULL_TAG;
    return NULL_TAG;
  }
  return feature;
}

}  // namespace kzt
