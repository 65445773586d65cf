// Identical bodies by shape signature; colouring through a display modification.
#include "attributes/identical_bodies.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include <NXOpen/Body.hxx>
#include <NXOpen/DisplayModification.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Session.hxx>
#include <uf.h>
#include <uf_assem.h>
#include <uf_disp.h>
#include <uf_ui.h>

#include "attributes/duplicates.h"
#include "attributes/measurement.h"
#include "host/attribute_vocabulary.h"
#include "host/drawing_mode.h"
#include "host/message.h"
#include "host/assembly_walks.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

constexpr double kVolumeTolerance = 5.0;  // mm^3
constexpr double kMassTolerance = 3.0;    // g

struct Signature {
  int faces = 0, edges = 0;
  double volume = 0, mass = 0;
};

Signature CountsOf(tag_t body) {
  Signature s;
  得到体的面数量(body, s.faces);
  获得体所有边(body, s.edges);
  return s;
}

}  // namespace

int find_identical_bodies(tag_t body, std::vector<tag_t>& identical) {
  UfSession uf;
  Signature wanted = CountsOf(body);
  得到体积(body, kMeasureAccuracy, wanted.volume, wanted.mass);
  std::vector<tag_t> candidates;
  得到工作所有的体(UF_ASSEM_ask_work_part(), candidates);
  for (tag_t candidate : candidates) {
    Signature s = CountsOf(candidate);
    if (s.faces != wanted.faces || s.edges != wanted.edges) continue;
    得到体积(candidate, kMeasureAccuracy, s.volume, s.mass);
    if (std::abs(s.volume - wanted.volume) <= kVolumeTolerance && std::abs(s.mass - wanted.mass) <= kMassTolerance) {
      identical.push_back(candidate);
      UF_DISP_set_highlight(candidate, 0);
    }
  }
  return identical.empty() ? 1 : 0;
}

void colour_body(int color, tag_t body) {
  NXOpen::Session* session = NXOpen::Session::GetSession();
  std::unique_ptr<NXOpen::DisplayModification> modification(session->DisplayManager()->NewDisplayModification());
  modification->SetApplyToAllFaces(true);
  modification->SetApplyToOwningParts(false);
  modification->SetNewColor(color);
  modification->SetNewWidth(static_cast<NXOpen::DisplayableObject::ObjectWidth>(8));
  std::vector<NXOpen::DisplayableObject*> objects;
  if (auto* object = dynamic_cast<NXOpen::Body*>(NXOpen::NXObjectManager::Get(body))) objects.push_back(object);
  modification->Apply(objects);
  modification.reset();
  session->CleanUpFacetedFacesAndEdges();
}

void mark_overlapping_bodies(const std::vector<tag_t>& bodies) {
  if (!bodies.empty()) {
    const KeyClassification classes = classify_by_key(bodies);
    if (ask_drawing_mode() == 2) {
      constexpr int kRed = 186;
      for (tag_t body : classes.duplicate) colour_body(kRed, body);
      if (!classes.duplicate.empty()) {
        char message[160];
        std::snprintf(message, sizeof message, "找到 %d 个重复体,颜色已设置为红色,请手工删除!!",
                      static_cast<int>(classes.duplicate.size()));
        show_message(message);
      }
    }
  }
}

}  // namespace kzt
