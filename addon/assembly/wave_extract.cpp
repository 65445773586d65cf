// WAVE extraction: bodies of other components linked into the work part without
// parameters, the sources deleted on request.
#include <uf.h>
#include <uf_assem.h>
#include <uf_disp.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_so.h>
#include <uf_wave.h>

#include "assembly/cleanup.h"
#include "assembly/zujian.hpp"
#include "host/block_values.h"
#include "host/body_link.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

void zujian::WAVE抽取体(int deleteSources) {
  kzt::UfSession uf;
  const std::vector<tag_t> selected = kzt::get_selected(selection0);
  const tag_t workPart = UF_ASSEM_ask_work_part();
  const tag_t workOccurrence = UF_ASSEM_ask_work_occurrence();
  for (tag_t body : selected) {
    const tag_t parent = UF_ASSEM_ask_parent_component(body);
    if (parent == workOccurrence) {
      UF_DISP_set_highlight(body, 0);
      continue;
    }
    const tag_t source = parent == NULL_TAG ? body : UF_ASSEM_ask_prototype_of_occ(body);
    tag_t xform = NULL_TAG, feature = NULL_TAG, linked = NULL_TAG;
    UF_SO_create_xform_assy_ctxt(workPart, parent, workOccurrence, &xform);
    // Without its link the source is the only copy: it stays, whatever was asked.
    if (!kzt::link_body(source, xform, workPart, feature)) continue;
    UF_MODL_ask_feat_body(feature, &linked);
    if (linked != NULL_TAG) kzt::remove_parameters(linked);
    if (deleteSources == 1) {
      UF_ASSEM_set_work_part(parent);
      bool metOccurrence = false, metPlain = false;
      tag_t doomed = NULL_TAG;
      得到装配下的boy(metOccurrence, metPlain, body, doomed);
      UF_OBJ_delete_object(doomed);
      // Back to the original work part, so every selected body is linked into it.
      if (workOccurrence != NULL_TAG) UF_ASSEM_set_work_occurrence(workOccurrence);
      else UF_ASSEM_set_work_part(workPart);
    }
  }
}
