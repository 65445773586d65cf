// uf_layer.h: the work part's layer settings.
#include <uf_layer.h>

#include "platform/api/cycle.h"
#include "platform/api/guard.h"
#include "platform/objects/layers.h"

using namespace platform;
using namespace platform::api;

namespace {

void CheckLayer(int layer) {
  if (layer < UF_LAYER_MIN_LAYER || layer > UF_LAYER_MAX_LAYER)
    throw HostError(HostStatus::InvalidArgument, "layer " + std::to_string(layer) + " is not in 1..256");
}

void CheckOtherStatus(int status) {
  if (status < kSelectableStatus || status > kInvisibleStatus)
    throw HostError(HostStatus::InvalidArgument,
                    "layer status " + std::to_string(status) + " is not 2 (selectable), 3 (visible only) or 4 (invisible)");
}

}  // namespace

extern "C" {

int UF_LAYER_set_status(int layer_number, int status) {
  return Guard("UF_LAYER_set_status", [&] {
    CheckLayer(layer_number);
    LayerTable& layers = WorkPart().layers;
    if (status == kWorkLayerStatus) {
      layers.status[layers.work] = kSelectableStatus;
      layers.work = layer_number;
      layers.status[layer_number] = kWorkLayerStatus;
      return;
    }
    CheckOtherStatus(status);
    if (layer_number == layers.work)
      throw HostError(HostStatus::InvalidArgument,
                      "layer " + std::to_string(layer_number) + " is the work layer; make another layer the work layer first");
    layers.status[layer_number] = status;
  });
}

int UF_LAYER_ask_status(int layer_number, int* status) {
  return Guard("UF_LAYER_ask_status", [&] {
    Need(status, "status");
    CheckLayer(layer_number);
    *status = WorkPart().layers.status[layer_number];
  });
}

int UF_LAYER_ask_work_layer(int* layer_number) {
  return Guard("UF_LAYER_ask_work_layer", [&] { *Need(layer_number, "layer_number") = WorkPart().layers.work; });
}

int UF_LAYER_set_all_but_work(int status) {
  return Guard("UF_LAYER_set_all_but_work", [&] {
    CheckOtherStatus(status);
    LayerTable& layers = WorkPart().layers;
    for (int layer = UF_LAYER_MIN_LAYER; layer <= UF_LAYER_MAX_LAYER; ++layer)
      if (layer != layers.work) layers.status[layer] = status;
  });
}

int UF_LAYER_cycle_by_layer(int layer_number, tag_t* object_tag) {
  return Guard("UF_LAYER_cycle_by_layer", [&] {
    Need(object_tag, "object_tag");
    CheckLayer(layer_number);
    Part& part = WorkPart();
    const std::string key = "layer:" + std::to_string(part.GetTag()) + ":" + std::to_string(layer_number);
    *object_tag = CycleNext(key, *object_tag, [&] {
      std::vector<Tag> onLayer;
      Session& session = Session::Get();
      for (Tag t : PartSequence(part, -1)) {
        Object* o = session.Find(t);
        if (o && o->Type() != kFeatureType && session.DisplayOf(*o).layer == layer_number) onLayer.push_back(t);
      }
      return onLayer;
    });
  });
}

}  // extern "C"
