// Sheet and view creation. Overview of a component-mode sheet:
//  1. drafting application on; stop if the sheet exists;
//  2. the sheet from its template, named, made current;
//  3. title block filled, sheet scale set;
//  4. front base view, the views below and right of it projected, isometric base view;
//  5. views updated, the isometric view reduced and kept off the title block.
// Layer mode imports the work part's own model views instead and masks their layers.
#include "drawing/sheet_views.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/Drawings_BaseViewBuilder.hxx>
#include <NXOpen/Drawings_DraftingViewCollection.hxx>
#include <NXOpen/Drawings_DrawingSheetBuilder.hxx>
#include <NXOpen/Drawings_DrawingSheetCollection.hxx>
#include <NXOpen/ModelingViewCollection.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/ViewCollection.hxx>
#include <uf.h>
#include <uf_assem.h>
#include <uf_draw.h>
#include <uf_obj.h>
#include <uf_view.h>

#include "drawing/isometric_place.h"
#include "drawing/layer_mask.h"
#include "drawing/sheet_names.h"
#include "drawing/title_block.h"
#include "drawing/view_layout.h"
#include "host/host_folder.h"
#include "host/report_status.h"
#include "host/scoped_destroy.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

using NXOpen::Session;

NXOpen::Part* work_part() {
  NXOpen::Part* work = Session::GetSession()->Parts()->Work();
  if (!work) throw std::runtime_error("没有工作部件,无法创建图纸");
  return work;
}

void ensure_drafting_application() {
  int module = 0;
  UF_ask_application_module(&module);
  if (module != UF_APP_DRAFTING) Session::GetSession()->ApplicationSwitchImmediate("UG_APP_DRAFTING");
}

std::string template_file(const std::string& templatePath) { return kzt::host_file(templatePath); }

// The sheet from the template, made current; an empty name leaves the host's name.
void sheet_from_template(NXOpen::Part* work, const std::string& templatePath, const std::string& sheetName) {
  NXOpen::Drawings::DrawingSheetBuilder* builder = work->DrawingSheets()->DrawingSheetBuilder(nullptr);
  const ScopedDestroy destroy(builder);
  builder->SetMetricSheetTemplateLocation(template_file(templatePath));
  if (!sheetName.empty()) builder->SetName(sheetName);
  builder->Commit();
  work->Drafting()->SetTemplateInstantiationIsComplete(true);
}

// The current sheet with its drawing scale set to `scale`; returns its information.
UF_DRAW_info_t scale_current_sheet(tag_t& sheet, double scale) {
  UF_DRAW_ask_current_drawing(&sheet);
  UF_DRAW_info_t info{};
  UF_DRAW_ask_drawing_info(sheet, &info);
  info.drawing_scale = scale;
  UF_DRAW_set_drawing_info(sheet, &info);
  return info;
}

tag_t project(tag_t sheet, tag_t parent, UF_DRAW_proj_dir_t direction, SheetPoint at) {
  double point[2] = {at.x, at.y};
  tag_t view = NULL_TAG;
  throw_uf_failure(UF_DRAW_add_orthographic_view(sheet, parent, direction, point, &view));
  return view;
}

void move(tag_t view, SheetPoint at) {
  const double point[2] = {at.x, at.y};
  UF_DRAW_move_view(view, point);
}

bool has_bodies_under(tag_t object) {
  tag_t member = NULL_TAG;
  while (UF_ASSEM_cycle_objs_in_comp(object, &member) == 0 && member != NULL_TAG) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(member, &type, &subtype);
    if (type == UF_solid_type && subtype == UF_solid_body_subtype) return true;
  }
  return false;
}

LayerMask mask_for(tag_t selector) {
  if (selector == NULL_TAG) return general_arrangement_mask();
  UF_OBJ_disp_props_t props{};
  UF_OBJ_ask_display_properties(selector, &props);
  return has_bodies_under(selector) ? band_mask(props.layer) : single_layer_mask(props.layer);
}

}  // namespace

void 创建图纸页(DrawingState& state, const SheetRequest& r, const std::string& modelPath, const std::string& modelName) {
  const UfSession uf;
  NXOpen::Part* work = work_part();
  ensure_drafting_application();
  if (判断图纸是否存在(r.sheetName)) return;
  sheet_from_template(work, r.templatePath, r.sheetName);
  tag_t sheet = NULL_TAG;
  UF_DRAW_ask_current_drawing(&sheet);
  // A sheet whose views cannot be made or drawn is taken away again: the run stops
  // with the sheets made before it, none of them half made.
  try {
    标题栏设置(r.material, r.numberSuffix, r.drawingName, r.quantity, r.total);
    scale_current_sheet(sheet, r.scale);
    const ViewLayout layout = layout_views(state.view_extents, state.sheet_gap_x, state.sheet_gap_y, r.scale);
    tag_t front = NULL_TAG, isometric = NULL_TAG;
    创建视图(modelPath, modelName, r.scale, "Front", layout.front.x, layout.front.y, front);
    const tag_t below = project(sheet, front, UF_DRAW_project_below, layout.below);
    const tag_t right = project(sheet, front, UF_DRAW_project_right, layout.right);
    创建视图(modelPath, modelName, r.scale, "Isometric", layout.isometric.x, layout.isometric.y, isometric);
    throw_uf_failure(UF_DRAW_upd_out_of_date_views(sheet));
    throw_uf_failure(UF_DRAW_set_view_scale(isometric, layout.isometricScale));
    keep_isometric_clear(sheet, front, below, right, isometric);
  } catch (...) {
    UF_OBJ_delete_object(sheet);
    throw;
  }
}

int 创建视图(const std::string& modelPath, const std::string& modelName, double scale, const char* viewName,
            double x, double y, tag_t& view) {
  Session* session = Session::GetSession();
  NXOpen::Part* work = work_part();
  NXOpen::Drawings::BaseViewBuilder* builder = work->DraftingViews()->CreateBaseViewBuilder(nullptr);
  const ScopedDestroy destroy(builder);
  auto* model = dynamic_cast<NXOpen::Part*>(session->Parts()->FindObject(modelPath));
  if (!model) throw std::runtime_error(modelPath + " 不是模型部件,无法创建视图");
  builder->Style()->ViewStyleBase()->SetPart(model);
  builder->Style()->ViewStyleBase()->SetPartName(modelName);
  builder->SelectModelView()->SetSelectedView(model->ModelingViews()->FindObject(viewName));
  builder->Scale()->SetNumerator(scale);
  builder->Placement()->Placement()->SetValue(nullptr, work->Views()->WorkView(), NXOpen::Point3d(x, y, 0));
  NXOpen::NXObject* committed = builder->Commit();
  view = committed ? committed->Tag() : NULL_TAG;
  return 0;
}

void 创建工程图(DrawingState& state, const SheetRequest& r, tag_t layerSelector) {
  const UfSession uf;
  NXOpen::Part* work = work_part();
  if (判断图纸是否存在(r.sheetName)) return;
  sheet_from_template(work, r.templatePath, "");
  ensure_drafting_application();
  tag_t sheet = NULL_TAG;
  UF_DRAW_ask_current_drawing(&sheet);
  // Made whole or taken away again, as in component mode: a view that shows nothing
  // (no body on its layers) is an error naming it, not an empty sheet.
  try {
    标题栏设置(r.material, r.numberSuffix, r.drawingName, r.quantity, r.total);
    state.sheet_info = scale_current_sheet(state.current_sheet, r.scale);
    const ViewLayout& first = kProvisionalLayout;
    const tag_t front = 创建导入视图(state, "Front", first.front.x, first.front.y, layerSelector);
    const tag_t below = project(state.current_sheet, front, UF_DRAW_project_below, first.below);
    const tag_t right = project(state.current_sheet, front, UF_DRAW_project_right, first.right);
    const tag_t isometric = 创建导入视图(state, "Isometric", first.isometric.x, first.isometric.y, layerSelector);
    throw_uf_failure(UF_DRAW_upd_out_of_date_views(state.current_sheet));
    const ViewLayout layout = layout_views(state.view_extents, state.sheet_gap_x, state.sheet_gap_y, r.scale);
    move(front, layout.front);
    move(below, layout.below);
    move(right, layout.right);
    move(isometric, layout.isometric);
    throw_uf_failure(UF_DRAW_set_view_scale(isometric, layout.isometricScale));
    keep_isometric_clear(state.current_sheet, front, below, right, isometric);
  } catch (...) {
    UF_OBJ_delete_object(sheet);
    throw;
  }
}

tag_t 创建导入视图(DrawingState& state, const char* viewName, double x, double y, tag_t layerSelector) {
  const UfSession uf;
  tag_t modelView = NULL_TAG;
  UF_OBJ_cycle_by_name_and_type(UF_ASSEM_ask_work_part(), viewName, UF_view_type, false, &modelView);
  UF_DRAW_view_info_t info;
  UF_DRAW_initialize_view_info(&info);
  info.view_scale = state.sheet_info.drawing_scale;
  double point[2] = {x, y};
  tag_t view = NULL_TAG;
  UF_DRAW_import_view(state.current_sheet, modelView, point, &info, &view);
  LayerMask mask = mask_for(layerSelector);
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(view, name);
  uc6447(name, 2, mask.data());
  return view;
}

void 设置组件精确显示(tag_t component) {
  Session* session = Session::GetSession();
  const Session::UndoMarkId mark = session->SetUndoMark(Session::MarkVisibilityInvisible, "Show Exact");
  auto* occurrence = dynamic_cast<NXOpen::Assemblies::Component*>(NXOpen::NXObjectManager::Get(component));
  std::vector<NXOpen::Assemblies::Component*> components{occurrence};
  std::unique_ptr<NXOpen::ErrorList> errors(work_part()->ComponentAssembly()->DisplayComponentsExact(components));
  if (errors) errors->Clear();
  session->DeleteUndoMark(mark, "Show Exact");
}

}  // namespace kzt
