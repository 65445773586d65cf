// uf_view.h: the work view, the objects a view shows and a view's own layer mask.
// Headless, fitting a view changes nothing anyone can see.
#include <uf_view.h>

#include "platform/api/cycle.h"
#include "platform/api/guard.h"
#include "platform/text/gbk.h"
#include "platform/objects/layers.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_edits.h"
#include "platform/drafting/views.h"
#include "platform/drafting/application.h"
#include "platform/geometry/body.h"

using namespace platform;
using namespace platform::api;

namespace {

// What a view shows: on a sheet's own view its tabular-note sections and parts lists;
// on a drawing view the bodies it draws; on a model view the bodies of its part that are
// not blanked and lie on a visible layer.
std::vector<Tag> VisibleObjects(Object& view) {
  std::vector<Tag> tags;
  if (auto* own = dynamic_cast<SheetOwnView*>(&view)) {
    for (TabularNote* note : drafting::NotesOf(*own->sheet)) {
      tags.push_back(note->SectionTag());
      if (note->Subtype() == kPartsListSubtype) tags.push_back(note->GetTag());
    }
    return tags;
  }
  auto& drafted = Session::Get().RequireAs<DraftingView>(view.GetTag(), "a view");
  if (drafted.kind != ViewKind::Model) {
    for (Object* body : drafting::ShownBodies(drafted)) tags.push_back(body->GetTag());
    return tags;
  }
  Part& part = *drafted.owner;
  const LayerTable& layers = part.layers;
  for (Tag tag : PartSequence(part, kSolidType)) {
    Object& object = Live(tag);
    if (object.Subtype() != kSolidBodySubtype) continue;
    const Display& display = Session::Get().DisplayOf(object);
    if (!display.blanked && layers.status[display.layer] != kInvisibleStatus) tags.push_back(tag);
  }
  return tags;
}

Object& ViewOrWork(Tag view) {
  if (view != NULL_TAG) {
    Object& object = Live(view);
    if (object.Type() != kViewType) throw HostError(HostStatus::WrongObjectType, TagText(view) + " is not a view");
    return object;
  }
  return drafting::WorkView(WorkPart());
}

// The work part's drawing view of that name; an empty name means the work view.
DraftingView& DrawingViewNamed(const char* text) {
  const std::string name = NeedText(text, "view name");
  Part& part = WorkPart();
  DraftingView* view = nullptr;
  if (name.empty()) view = dynamic_cast<DraftingView*>(&drafting::WorkView(part));
  else view = drafting::FindDrawingView(part, name);
  if (!view || view->kind == ViewKind::Model)
    throw HostError(HostStatus::NotFound, "the work part has no drawing view named \"" + text::ToUtf8Lossy(name) + "\"");
  return *view;
}

}  // namespace

extern "C" {

int UF_VIEW_ask_work_view(tag_t* view_tag) {
  return Guard("UF_VIEW_ask_work_view", [&] {
    Need(view_tag, "view_tag");
    *view_tag = NULL_TAG;
    *view_tag = drafting::WorkView(WorkPart()).GetTag();
  });
}

int UF_VIEW_fit_view(tag_t view_tag, double fit_fraction) {
  return Guard("UF_VIEW_fit_view", [&] {
    if (view_tag != NULL_TAG) Session::Get().RequireAs<DraftingView>(view_tag, "a view");
  });
}

int UF_VIEW_cycle_objects(tag_t view, UF_VIEW_cycle_objects_t type, tag_t* object) {
  return Guard("UF_VIEW_cycle_objects", [&] {
    Need(object, "object");
    Object& shown = ViewOrWork(view);
    const std::string key = "view:" + std::to_string(shown.GetTag()) + ":" + std::to_string(type);
    if (type != UF_VIEW_VISIBLE_OBJECTS) {
      // Nothing is view-dependent, erased from a view or modified in one here.
      if (type < UF_VIEW_VISIBLE_OBJECTS || type > UF_VIEW_MODIFIED_OBJECTS)
        throw HostError(HostStatus::InvalidArgument, "cycle type " + std::to_string(type) + " is not 1 to 4");
      *object = NULL_TAG;
      return;
    }
    *object = CycleNext(key, *object, [&] { return VisibleObjects(shown); });
  });
}

int uc6447(const char* cp1, int ip2, int* ip3) {
  return Guard("uc6447", [&] {
    DraftingView* view = &DrawingViewNamed(cp1);
    if (ip2 == 1) {
      drafting::SetLayerMask(*view, std::nullopt);
    } else if (ip2 == 2) {
      Need(ip3, "layer mask");
      LayerMask mask{};
      for (int i = 0; i < kLayerCount; ++i) {
        if (ip3[i] != 0 && ip3[i] != 1)
          throw HostError(HostStatus::InvalidArgument, "layer mask entry " + std::to_string(i + 1) + " is " +
                                                           std::to_string(ip3[i]) + ", not 0 or 1");
        mask[i] = ip3[i] == 1;
      }
      drafting::SetLayerMask(*view, mask);
    } else {
      throw HostError(HostStatus::InvalidArgument, "uc6447 option " + std::to_string(ip2) + " is not 1 or 2");
    }
  });
}

int uc6400(const char* cp1, tag_t np2) {
  return Guard("uc6400", [&] { drafting::EraseFromView(DrawingViewNamed(cp1), Session::Get().Require(np2)); });
}

}  // extern "C"
