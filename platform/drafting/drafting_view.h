// A view: one of a part's model views, or a drawing view on one of its sheets.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"

namespace platform {

namespace drafting {
struct ViewContent;
struct PendingContent;

// What a view's content was projected from: a digest of the geometry it shows, and the
// scale it was drawn at.
struct ProjectedFrom {
  std::size_t geometry = 0;
  double scale = 0;
};
}

enum class ViewKind {
  Model,      // a model view of the part ("Front", ...), no sheet
  Base,       // a model view of a part (this one or another open part) placed on a sheet
  Projected,  // the first-angle projection of another view of the sheet
  Imported,   // a model view of this part placed on a sheet, with a layer mask
};

// "model", "base", "projected", "imported": how files and reports name the kinds.
inline const char* ViewKindName(ViewKind kind) {
  switch (kind) {
    case ViewKind::Model: return "model";
    case ViewKind::Base: return "base";
    case ViewKind::Projected: return "projected";
    case ViewKind::Imported: return "imported";
  }
  return "";
}

constexpr int kModelViewSubtype = 7;
// Views placed on a sheet (base, projected, imported): the subtype the add-on tests a pick for.
constexpr int kDrawingViewSubtype = 10;
constexpr int kLayerCount = 256;

using LayerMask = std::array<bool, kLayerCount>;  // entry i: layer i + 1 visible

// A view-dependent shade edit: the body drawn filled in a colour of the colour table,
// translucent (0 opaque .. 100 clear), in this view only.
struct ShadeEdit {
  std::string body;  // the body's key (platform/drafting/view_edits.h)
  int color = 0;     // 0: the body's own colour
  int transparency = 0;
};

class DraftingView : public Object {
public:
  explicit DraftingView(ViewKind kind = ViewKind::Base)
      : Object(kViewType, kind == ViewKind::Model ? kModelViewSubtype : kDrawingViewSubtype), kind(kind) {}

  std::uint32_t HolderPid() const override { return sheetPid; }

  const ViewKind kind;
  std::uint32_t sheetPid = 0;       // 0 for a model view of the part
  std::string modelView;            // the model view shown ("Front"; for projections the
                                    // standard view of the same direction, or empty)
  std::string modelPartPath;        // base views: host path of the part shown
  std::uint32_t parentPid = 0;      // projected views: the view projected from
  int projection = 0;               // projected views: the host's direction code
  double scale = 1.0;               // sheet length over model length
  std::array<double, 2> center{};   // on the sheet, mm
  // Model directions of the view's X (right), Y (up) and Z (towards the viewer), as rows.
  std::array<double, 9> orientation{1, 0, 0, 0, 1, 0, 0, 0, 1};
  std::optional<LayerMask> layers;  // none: every layer shows
  bool outOfDate = true;            // changed since its content was computed

  // What the last update drew, in view coordinates (sheet mm, the model origin at 0, 0),
  // and a digest of what it was computed from (geometry, placements, layers, view);
  // no digest after loading: the stored content stands for the model as loaded.
  std::shared_ptr<const drafting::ViewContent> content;
  std::optional<std::size_t> contentInputs;
  // Set when this session projected `content` (or reduced its own projection), never for
  // loaded or empty content: only such content, unchanged since, is ever rescaled.
  std::optional<drafting::ProjectedFrom> projectedFrom;
  // A projection a worker process is computing for the view; drafting::Settle stores it.
  std::shared_ptr<drafting::PendingContent> pending;

  // View-dependent edits: bodies erased from this view, bodies shaded in it.
  std::vector<std::string> erased;
  std::vector<ShadeEdit> shadeEdits;
  // The view's style as edited (none: the host's default, hidden lines dashed, wireframe).
  std::optional<int> hiddenLineFont;  // 0 invisible, 1 solid, 2 dashed, ...
  std::optional<int> shadingStyle;    // 0 fully shaded, 1 partially shaded, 2 wireframe
};

}  // namespace platform
