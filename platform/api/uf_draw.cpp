// uf_draw.h: the drawing sheets of the work part, their views, scales and places.
#include <uf_draw.h>
#include <uf_part.h>

#include <algorithm>
#include <cstring>

#include "platform/api/drafting_objects.h"
#include "platform/api/guard.h"
#include "platform/text/gbk.h"
#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"

using namespace platform;
using namespace platform::api;

namespace {

static_assert(UF_DRAW_project_above == static_cast<int>(drafting::ProjectionDirection::Above) &&
              UF_DRAW_project_right == static_cast<int>(drafting::ProjectionDirection::Right) &&
              UF_DRAW_project_below == static_cast<int>(drafting::ProjectionDirection::Below) &&
              UF_DRAW_project_left == static_cast<int>(drafting::ProjectionDirection::Left));

drafting::SheetPoint Point(const double* xy, const char* what) {
  Need(xy, what);
  return {xy[0], xy[1]};
}

// Width and height of the metric sheet sizes, landscape.
void MetricSize(UF_DRAW_metric_size_t code, double& width, double& height) {
  static const double sizes[][2] = {{1189, 841}, {841, 594}, {594, 420}, {420, 297}, {297, 210}};
  if (code < UF_DRAW_A0 || code > UF_DRAW_A4)
    throw HostError(HostStatus::InvalidArgument, "metric sheet size code " + std::to_string(code) + " is not A0 to A4");
  width = sizes[code][0];
  height = sizes[code][1];
}

}  // namespace

extern "C" {

int UF_DRAW_ask_drawings(int* num_drawings, tag_t** drawings) {
  return Guard("UF_DRAW_ask_drawings", [&] {
    Need(num_drawings, "num_drawings");
    Need(drawings, "drawings");
    *num_drawings = 0;
    *drawings = nullptr;
    std::vector<tag_t> sheets;
    for (DrawingSheet* sheet : drafting::SheetsOf(WorkPart())) sheets.push_back(sheet->GetTag());
    *drawings = DupArray(sheets);
    *num_drawings = static_cast<int>(sheets.size());
  });
}

int UF_DRAW_ask_current_drawing(tag_t* drawing_tag) {
  return Guard("UF_DRAW_ask_current_drawing", [&] {
    Need(drawing_tag, "drawing_tag");
    DrawingSheet* current = drafting::CurrentSheet(WorkPart());
    *drawing_tag = current ? current->GetTag() : NULL_TAG;
  });
}

int UF_DRAW_open_drawing(const tag_t drawing_tag) {
  return Guard("UF_DRAW_open_drawing", [&] {
    auto& sheet = Session::Get().RequireAs<DrawingSheet>(drawing_tag, "a drawing sheet");
    Part& part = WorkPart();
    if (sheet.owner != &part) throw HostError(HostStatus::InvalidArgument, "the drawing sheet is not in the work part");
    drafting::SetCurrentSheet(part, sheet);
  });
}

int UF_DRAW_ask_drawing_info(tag_t drawing_tag, UF_DRAW_info_t* drawing_info) {
  return Guard("UF_DRAW_ask_drawing_info", [&] {
    Need(drawing_info, "drawing_info");
    const DrawingSheet& sheet = SheetOrCurrent(drawing_tag);
    *drawing_info = {};
    drawing_info->size_state = UF_DRAW_CUSTOM_SIZE;
    drawing_info->size.custom_size[0] = sheet.height;
    drawing_info->size.custom_size[1] = sheet.width;
    drawing_info->drawing_scale = sheet.scale;
    drawing_info->units = UF_PART_METRIC;
    drawing_info->projection_angle = UF_DRAW_FIRST_ANGLE_PROJECTION;
  });
}

int UF_DRAW_set_drawing_info(const tag_t drawing_tag, UF_DRAW_info_p_t drawing_info) {
  return Guard("UF_DRAW_set_drawing_info", [&] {
    Need(drawing_info, "drawing_info");
    DrawingSheet& sheet = SheetOrCurrent(drawing_tag);
    const std::string shown = "sheet \"" + text::ToUtf8Lossy(sheet.name) + "\"";
    if (!sheet.current) throw HostError(HostStatus::InvalidArgument, shown + " is not the current sheet");
    if (!(drawing_info->drawing_scale > 0))
      throw HostError(HostStatus::InvalidArgument, shown + ": drawing scale " +
                                                       std::to_string(drawing_info->drawing_scale) + " is not above 0");
    if (drawing_info->units != UF_PART_METRIC)
      throw HostError(HostStatus::InvalidArgument, shown + ": only metric sheets are made here");
    double width = sheet.width, height = sheet.height;
    if (drawing_info->size_state == UF_DRAW_CUSTOM_SIZE) {
      height = drawing_info->size.custom_size[0];
      width = drawing_info->size.custom_size[1];
    } else if (drawing_info->size_state == UF_DRAW_METRIC_SIZE) {
      MetricSize(drawing_info->size.metric_size_code, width, height);
    } else {
      throw HostError(HostStatus::InvalidArgument, shown + ": sheet sizes are metric or custom here");
    }
    if (!(width > 0) || !(height > 0))
      throw HostError(HostStatus::InvalidArgument, shown + ": the sheet size must be positive");
    sheet.width = width;
    sheet.height = height;
    drafting::SetSheetScale(sheet, drawing_info->drawing_scale);
  });
}

int UF_DRAW_rename_drawing(const tag_t drawing_tag, const char* new_drawing_name) {
  return Guard("UF_DRAW_rename_drawing", [&] {
    drafting::RenameSheet(SheetOrCurrent(drawing_tag), NeedText(new_drawing_name, "new_drawing_name"));
  });
}

int UF_DRAW_delete_drawing(tag_t drawing_tag) {
  return Guard("UF_DRAW_delete_drawing", [&] {
    auto& sheet = Session::Get().RequireAs<DrawingSheet>(drawing_tag, "a drawing sheet");
    if (sheet.owner != &WorkPart())
      throw HostError(HostStatus::InvalidArgument,
                      "sheet " + std::to_string(drawing_tag) + " is not a sheet of the work part");
    drafting::DeleteSheet(sheet);
  });
}

int UF_DRAW_ask_views(const tag_t drawing_tag, int* num_views, tag_p_t* view_tag) {
  return Guard("UF_DRAW_ask_views", [&] {
    Need(num_views, "num_views");
    Need(view_tag, "view_tag");
    *num_views = 0;
    *view_tag = nullptr;
    std::vector<tag_t> views;
    for (DraftingView* view : drafting::ViewsOf(SheetOrCurrent(drawing_tag))) views.push_back(view->GetTag());
    *view_tag = DupArray(views);
    *num_views = static_cast<int>(views.size());
  });
}

int UF_DRAW_ask_drawing_of_view(const tag_t member_view, tag_t* drawing) {
  return Guard("UF_DRAW_ask_drawing_of_view", [&] {
    Need(drawing, "drawing");
    *drawing = NULL_TAG;
    auto& view = Session::Get().RequireAs<DraftingView>(member_view, "a view");
    if (view.kind != ViewKind::Model) *drawing = drafting::SheetOf(view).GetTag();
  });
}

int UF_DRAW_add_orthographic_view(const tag_t drawing_tag, const tag_t parent_view_tag,
                                  const UF_DRAW_proj_dir_t projection_direction, double dwg_reference_point[2],
                                  tag_t* ortho_view_tag) {
  return Guard("UF_DRAW_add_orthographic_view", [&] {
    Need(ortho_view_tag, "ortho_view_tag");
    const auto reference = Point(dwg_reference_point, "dwg_reference_point");
    DrawingSheet& sheet = SheetOrCurrent(drawing_tag);
    DraftingView& parent = DrawingView(parent_view_tag);
    if (&drafting::SheetOf(parent) != &sheet)
      throw HostError(HostStatus::InvalidArgument, "view \"" + text::ToUtf8Lossy(parent.name) + "\" is not on sheet \"" +
                                                       text::ToUtf8Lossy(sheet.name) + "\"");
    // A C caller may pass any int; its bits are read without loading them as the enum.
    int code = 0;
    static_assert(sizeof code == sizeof projection_direction);
    std::memcpy(&code, &projection_direction, sizeof code);
    if (code < UF_DRAW_project_infer || code > UF_DRAW_project_left)
      throw HostError(HostStatus::InvalidArgument, "projection direction " + std::to_string(code) +
                                                       " is not one of 0 (infer) to 4 (left)");
    *ortho_view_tag =
        drafting::AddProjectedView(parent, static_cast<drafting::ProjectionDirection>(code), reference).GetTag();
  });
}

int UF_DRAW_upd_out_of_date_views(const tag_t drawing_tag) {
  return Guard("UF_DRAW_upd_out_of_date_views",
               [&] { drafting::UpdateOutOfDateViews(SheetOrCurrent(drawing_tag)); });
}

int UF_DRAW_update_one_view(tag_t drawing_tag, tag_t view_tag) {
  return Guard("UF_DRAW_update_one_view", [&] {
    DrawingSheet& sheet = SheetOrCurrent(drawing_tag);
    DraftingView& view = DrawingView(view_tag);
    if (&drafting::SheetOf(view) != &sheet)
      throw HostError(HostStatus::InvalidArgument, "view \"" + text::ToUtf8Lossy(view.name) + "\" is not on sheet \"" +
                                                       text::ToUtf8Lossy(sheet.name) + "\"");
    drafting::UpdateView(view);
  });
}

int uc6492(char cr1[MAX_ENTITY_NAME_BUFSIZE]) {
  return Guard("uc6492", [&] {
    Need(cr1, "cr1");
    cr1[0] = '\0';
    const DrawingSheet* current = drafting::CurrentSheet(WorkPart());
    if (!current) throw HostError(HostStatus::NotFound, "the work part has no current drawing sheet");
    CopyOut(cr1, MAX_ENTITY_NAME_BUFSIZE, current->name);
  });
}

int UF_DRAW_set_view_scale(tag_t view_tag, double scale) {
  return Guard("UF_DRAW_set_view_scale", [&] { drafting::SetViewScale(DrawingView(view_tag), scale); });
}

int UF_DRAW_ask_view_scale(tag_t view_tag, tag_t* exp_tag, double* scale_value) {
  return Guard("UF_DRAW_ask_view_scale", [&] {
    Need(scale_value, "scale_value");
    const DraftingView& view = DrawingView(view_tag);
    if (exp_tag) *exp_tag = NULL_TAG;
    *scale_value = view.scale;
  });
}

int UF_DRAW_move_view(const tag_t view_tag, const double drawing_reference_point[2]) {
  return Guard("UF_DRAW_move_view", [&] {
    drafting::MoveView(DrawingView(view_tag), Point(drawing_reference_point, "drawing_reference_point"));
  });
}

int UF_DRAW_ask_drawing_ref_pt(const tag_t view_tag, double reference_pt[2]) {
  return Guard("UF_DRAW_ask_drawing_ref_pt", [&] {
    Need(reference_pt, "reference_pt");
    const DraftingView& view = DrawingView(view_tag);
    reference_pt[0] = view.center[0];
    reference_pt[1] = view.center[1];
  });
}

int UF_DRAW_ask_view_borders(tag_t view_tag, double view_borders[4]) {
  return Guard("UF_DRAW_ask_view_borders", [&] {
    Need(view_borders, "view_borders");
    const DraftingView& view = DrawingView(view_tag);
    const auto box = drafting::DrawnExtentOf(view).box;
    if (!box)
      throw HostError(HostStatus::NoGeometry, "view " + text::ToUtf8Lossy(view.name) + " draws nothing yet: update it first");
    std::copy(box->begin(), box->end(), view_borders);
  });
}

int UF_DRAW_initialize_view_info(UF_DRAW_view_info_t* view_info) {
  return Guard("UF_DRAW_initialize_view_info", [&] {
    Need(view_info, "view_info");
    std::memset(view_info, 0, sizeof *view_info);
    view_info->view_status = UF_DRAW_ACTIVE_VIEW;
    view_info->anchor_point = NULL_TAG;
    view_info->view_scale = 1.0;
    view_info->transfer_annotation = true;
  });
}

int UF_DRAW_import_view(const tag_t drawing_tag, const tag_t view_tag, double dwg_reference_point[2],
                        UF_DRAW_view_info_t* view_info, tag_t* draw_view_tag) {
  return Guard("UF_DRAW_import_view", [&] {
    Need(view_info, "view_info");
    Need(draw_view_tag, "draw_view_tag");
    const auto center = Point(dwg_reference_point, "dwg_reference_point");
    DrawingSheet& sheet = SheetOrCurrent(drawing_tag);
    auto& model = Session::Get().RequireAs<DraftingView>(view_tag, "a view");
    if (model.kind != ViewKind::Model || model.owner != sheet.owner)
      throw HostError(HostStatus::InvalidArgument, "view \"" + text::ToUtf8Lossy(model.name) +
                                                       "\" is not a model view of the sheet's part");
    *draw_view_tag = drafting::ImportView(sheet, model.name, view_info->view_scale, center).GetTag();
  });
}

}  // extern "C"
