#include "app/info/part_report.h"

#include <cstdio>

#include "platform/assemblies/located_shape.h"
#include "platform/base/host_error.h"
#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/drafting/drawing.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_edits.h"
#include "platform/geometry/body.h"
#include "platform/geometry/caught_error.h"
#include "platform/objects/color_table.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace fabdoc::app {

using nlohmann::json;
using namespace platform;

namespace {

std::string U(const std::string& gbk) { return text::ToUtf8Lossy(gbk); }

// A path a user of this machine can paste into a shell; the host form as it is when it
// has no local one (an unmapped drive).
std::string Local(const std::string& hostPath) {
  try {
    return ToLocalPath(hostPath);
  } catch (const HostError&) {
    return U(hostPath);
  }
}

json AttributesJson(Object& object) {
  // An occurrence shows its prototype's attributes under its own.
  json result = json::object();
  if (Object& proto = Session::Get().Prototype(object); &proto != &object && object.IsOccurrence())
    for (const auto& [title, value] : proto.attributes.Entries()) result[U(title)] = U(value);
  for (const auto& [title, value] : object.attributes.Entries()) result[U(title)] = U(value);
  return result;
}

// Volume, mass and box; null for a body without geometry, which the file may hold.
void AddMeasurements(Object& object, json& result) {
  result["volume"] = result["mass"] = result["box"] = nullptr;
  if (BodyOf(object).Shape().IsNull()) return;
  try {
    const MassProperties mass = LocatedMass(object);
    const Box box = LocatedAxisBox(object);
    result["volume"] = mass.volume;
    result["mass"] = mass.mass;
    result["box"] = {box.min[0], box.min[1], box.min[2], box.max[0], box.max[1], box.max[2]};
  } catch (...) {
    const HostError error = CaughtAsHostError();
    throw HostError(error.Status(), Local(object.owner ? object.owner->path : std::string()) + ": body " +
                                        std::to_string(object.GetTag()) + " \"" + U(Session::Get().NameOf(object)) +
                                        "\": " + error.what());
  }
}

json BodyJson(Object& object) {
  Session& session = Session::Get();
  Body& body = BodyOf(object);
  const Display& display = session.DisplayOf(object);
  json result = {{"tag", object.GetTag()},
                 {"name", U(session.NameOf(object))},
                 {"layer", display.layer},
                 {"color", display.color},
                 {"blanked", display.blanked},
                 {"translucency", display.translucency},
                 {"attributes", AttributesJson(object)}};
  AddMeasurements(object, result);
  result["faces"] = body.FaceCount();
  result["edges"] = body.EdgeCount();
  return result;
}

json ComponentJson(ComponentOccurrence& occ) {
  std::string instanceName;
  if (occ.parentPart)
    if (const Instance* inst = occ.parentPart->FindInstance(occ.instancePid)) instanceName = inst->instanceName;
  json bodies = json::array();
  for (BodyOccurrence* body : Occurrences::Get().BodyOccurrences(occ)) bodies.push_back(BodyJson(*body));
  json children = json::array();
  for (ComponentOccurrence* child : Occurrences::Get().Children(occ)) children.push_back(ComponentJson(*child));
  json result = {{"tag", occ.GetTag()},
                 {"name", U(occ.name)},
                 {"instance", U(instanceName)},
                 {"part", Local(occ.partPath)},
                 {"hostPart", U(occ.partPath)},
                 {"layer", occ.display.layer},
                 {"attributes", AttributesJson(occ)},
                 {"bodies", bodies},
                 {"components", children}};
  if (!occ.part) result["loaded"] = false;
  return result;
}

// A body a view edit names: its tag and name while the shown part holds it, else null.
json EditedBodyJson(const DraftingView& view, const std::string& key) {
  Object* body = nullptr;
  try {
    body = drafting::ShownBodyOfKey(view, key);
  } catch (const std::exception&) {
    body = nullptr;  // the shown part is not open
  }
  json result = {{"key", key}, {"tag", nullptr}, {"name", nullptr}};
  if (body) {
    result["tag"] = body->GetTag();
    result["name"] = U(Session::Get().NameOf(*body));
  }
  return result;
}

void AddViewEdits(const DraftingView& view, json& result) {
  if (!view.erased.empty()) {
    json erased = json::array();
    for (const std::string& key : view.erased) erased.push_back(EditedBodyJson(view, key));
    result["erased"] = erased;
  }
  if (!view.shadeEdits.empty()) {
    json shades = json::array();
    for (const ShadeEdit& edit : view.shadeEdits) {
      json shade = EditedBodyJson(view, edit.body);
      shade["color"] = edit.color;
      shade["color_name"] = edit.color > 0 ? ColorName(edit.color) : "body colour";
      shade["transparency"] = edit.transparency;
      shades.push_back(shade);
    }
    result["shade_edits"] = shades;
  }
  if (view.hiddenLineFont) result["hidden_line_font"] = *view.hiddenLineFont;
  if (view.shadingStyle) result["shading_style"] = *view.shadingStyle;
}

json ViewJson(DraftingView& view) {
  const drafting::DrawnExtent drawn = drafting::DrawnExtentOf(view);
  json result = {{"tag", view.GetTag()},
                 {"name", U(view.name)},
                 {"kind", ViewKindName(view.kind)},
                 {"model_view", view.modelView},
                 {"center", view.center},
                 {"scale", view.scale},
                 {"edges", {{"visible", drawn.visible}, {"hidden", drawn.hidden}}},
                 {"box", drawn.box ? json(*drawn.box) : json()},
                 {"out_of_date", drafting::IsOutOfDate(view)}};
  AddViewEdits(view, result);
  if (view.layers) {
    json layers = json::array();
    for (int i = 0; i < kLayerCount; ++i)
      if ((*view.layers)[i]) layers.push_back(i + 1);
    result["layers"] = layers;
  }
  return result;
}

json NoteJson(TabularNote& note) {
  json rows = json::array();
  for (int r = 0; r < note.Rows(); ++r) {
    json row = json::array();
    for (int c = 0; c < note.Columns(); ++c) row.push_back(U(note.Cell(r, c)));
    rows.push_back(row);
  }
  return {{"tag", note.GetTag()},
          {"kind", note.Subtype() == kPartsListSubtype ? "parts_list" : "tabular_note"},
          {"position", note.position},
          {"row_heights", note.rowHeights},
          {"column_widths", note.columnWidths},
          {"cells", rows}};
}

json DimensionJson(const Dimension& d) {
  auto* view = dynamic_cast<DraftingView*>(d.owner->FindByPid(d.viewPid));
  const drafting::Box2& box = d.drawn.textBox;
  return {{"tag", d.GetTag()},
          {"view", view ? U(view->name) : ""},
          {"kind", DimensionKindName(d.kind)},
          {"value", d.value},
          {"count", d.count},
          {"text", d.text},
          {"text_box", {box.xmin, box.ymin, box.xmax, box.ymax}},
          {"automatic", d.automatic},
          {"out_of_date", !view || drafting::IsOutOfDate(*view)}};
}

json PartMarkJson(const PartMark& m) {
  auto* view = dynamic_cast<DraftingView*>(m.owner->FindByPid(m.viewPid));
  const drafting::Box2& box = m.drawn.textBox;
  const drafting::Point2 tip = m.Tip(), centre = m.Centre();
  const drafting::Point2 end = m.drawn.lines.empty() ? tip : m.drawn.lines.front().end;
  return {{"tag", m.GetTag()},
          {"view", view ? U(view->name) : ""},
          {"text", m.text},
          {"drawing_number", m.drawingNumber},
          {"part_name", m.partName},
          {"tip", {tip.x, tip.y}},
          {"centre", {centre.x, centre.y}},
          {"leader", {tip.x, tip.y, end.x, end.y}},
          {"text_box", {box.xmin, box.ymin, box.xmax, box.ymax}},
          {"automatic", m.automatic},
          {"out_of_date", !view || drafting::IsOutOfDate(*view)}};
}

// A hole table: its header and rows as drawn, the holes it lists, its box and the datum, sheet mm.
json HoleTableJson(const HoleTable& table) {
  const drafting::HoleTableGrid& t = table.grid;
  auto* view = dynamic_cast<DraftingView*>(table.owner->FindByPid(t.viewPid));
  json rows = json::array();
  for (int r = 0; r < t.Rows(); ++r) {
    json row = json::array();
    for (int c = 0; c < t.Columns(); ++c) row.push_back(t.Cell(r, c));
    rows.push_back(row);
  }
  const drafting::Box2 box = t.Box();
  return {{"tag", table.GetTag()},
          {"view", view ? U(view->name) : ""},
          {"holes", t.holes},
          {"rows", rows},
          {"box", {box.xmin, box.ymin, box.xmax, box.ymax}},
          {"datum", {t.datum.x, t.datum.y}},
          {"automatic", table.automatic},
          {"out_of_date", !view || drafting::IsOutOfDate(*view)}};
}

json SheetJson(DrawingSheet& sheet) {
  json views = json::array(), notes = json::array(), dimensions = json::array(), marks = json::array();
  json tables = json::array();
  for (const HoleTable* table : drafting::HoleTablesOf(sheet)) tables.push_back(HoleTableJson(*table));
  for (const Dimension* dimension : drafting::DimensionsOf(sheet)) dimensions.push_back(DimensionJson(*dimension));
  for (const PartMark* mark : drafting::PartMarksOf(sheet)) marks.push_back(PartMarkJson(*mark));
  for (DraftingView* view : drafting::ViewsOf(sheet)) views.push_back(ViewJson(*view));
  for (TabularNote* note : drafting::NotesOf(sheet)) notes.push_back(NoteJson(*note));
  json result = {{"tag", sheet.GetTag()}, {"name", U(sheet.name)}, {"number", sheet.number},
                 {"size", {sheet.width, sheet.height}}, {"scale", sheet.scale}, {"current", sheet.current},
                 {"template", Local(sheet.templatePath)},
                 {"hostTemplate", U(sheet.templatePath)}, {"views", views}, {"notes", notes},
                 {"dimensions", dimensions}, {"part_marks", marks}, {"hole_tables", tables}};
  if (sheet.ratio) result["ratio"] = *sheet.ratio;
  if (!sheet.secondaryNumber.empty()) result["secondary_number"] = U(sheet.secondaryNumber);
  return result;
}

}  // namespace

json PartReport(Part& part) {
  json attributes = json::object();
  for (const auto& [title, value] : part.attributes.Entries()) attributes[U(title)] = U(value);
  json bodies = json::array(), sheets = json::array();
  for (const auto& object : part.Objects()) {
    if (auto* body = dynamic_cast<Body*>(object.get())) bodies.push_back(BodyJson(*body));
    if (auto* sheet = dynamic_cast<DrawingSheet*>(object.get())) sheets.push_back(SheetJson(*sheet));
  }
  json components = json::array();
  for (ComponentOccurrence* child : Occurrences::Get().Children(Occurrences::Get().RootOccurrence(part)))
    components.push_back(ComponentJson(*child));
  return {{"file", Local(part.path)}, {"hostFile", U(part.path)}, {"attributes", attributes}, {"bodies", bodies},
          {"components", components}, {"sheets", sheets}};
}

namespace {

void AppendBodies(std::string& out, const json& bodies, const std::string& indent) {
  char line[512];
  for (const auto& b : bodies) {
    std::snprintf(line, sizeof line, "%sbody %u \"%s\" layer %d colour %d%s  ", indent.c_str(),
                  b["tag"].get<unsigned>(), b["name"].get<std::string>().c_str(), b["layer"].get<int>(),
                  b["color"].get<int>(), b["blanked"].get<bool>() ? " blanked" : "");
    out += line;
    if (const auto& box = b["box"]; !box.is_null()) {
      std::snprintf(line, sizeof line, "volume %.1f mm3  mass %.1f g  box %.1f x %.1f x %.1f  ",
                    b["volume"].get<double>(), b["mass"].get<double>(), box[3].get<double>() - box[0].get<double>(),
                    box[4].get<double>() - box[1].get<double>(), box[5].get<double>() - box[2].get<double>());
      out += line;
    } else {
      out += "no geometry  ";
    }
    out += "faces " + std::to_string(b["faces"].get<int>()) + " edges " + std::to_string(b["edges"].get<int>()) + "\n";
    for (const auto& [title, value] : b["attributes"].items())
      out += indent + "    " + title + " = " + value.get<std::string>() + "\n";
  }
}

void AppendComponents(std::string& out, const json& components, const std::string& indent) {
  for (const auto& c : components) {
    out += indent + "component \"" + c["instance"].get<std::string>() + "\" -> " +
           c["part"].get<std::string>() + (c.contains("loaded") ? " (not loaded)" : "") + "\n";
    AppendBodies(out, c["bodies"], indent + "  ");
    AppendComponents(out, c["components"], indent + "  ");
  }
}

std::string Figure(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

std::string EditedBody(const json& b) {
  if (b["tag"].is_null()) return b["key"].get<std::string>() + " (gone)";
  return "body " + std::to_string(b["tag"].get<unsigned>()) + " \"" + b["name"].get<std::string>() + "\"";
}

void AppendViewEdits(std::string& out, const json& v) {
  if (v.contains("erased"))
    for (const auto& b : v["erased"]) out += "      erased " + EditedBody(b) + "\n";
  if (v.contains("shade_edits"))
    for (const auto& b : v["shade_edits"])
      out += "      shaded " + EditedBody(b) + " " + b["color_name"].get<std::string>() + ", " +
             std::to_string(b["transparency"].get<int>()) + "% transparent\n";
  auto setting = [&](const char* key) {
    return v.contains(key) ? std::to_string(v[key].get<int>()) : std::string("default");
  };
  if (v.contains("hidden_line_font") || v.contains("shading_style"))
    out += "      style: hidden-line font " + setting("hidden_line_font") + ", shading style " +
           setting("shading_style") + "\n";
}

void AppendSheet(std::string& out, const json& s) {
  out += "  sheet " + std::to_string(s["number"].get<int>()) + " \"" + s["name"].get<std::string>() + "\" " +
         Figure(s["size"][0]) + " x " + Figure(s["size"][1]) + " mm, scale " + Figure(s["scale"]) +
         (s.contains("ratio") ? " (" + Figure(s["ratio"][0]) + ":" + Figure(s["ratio"][1]) + ")" : "") +
         (s["current"].get<bool>() ? " (current)" : "") + "\n";
  for (const auto& v : s["views"]) {
    out += "    view \"" + v["name"].get<std::string>() + "\" " + v["kind"].get<std::string>() +
           (v["model_view"].get<std::string>().empty() ? "" : " of " + v["model_view"].get<std::string>()) + " at (" +
           Figure(v["center"][0]) + ", " + Figure(v["center"][1]) + "), scale " + Figure(v["scale"]) + ", " +
           std::to_string(v["edges"]["visible"].get<int>()) + " visible and " +
           std::to_string(v["edges"]["hidden"].get<int>()) + " hidden edges";
    if (!v["box"].is_null())
      out += ", box " + Figure(v["box"][2].get<double>() - v["box"][0].get<double>()) + " x " +
             Figure(v["box"][3].get<double>() - v["box"][1].get<double>());
    if (v.contains("layers")) out += ", " + std::to_string(v["layers"].size()) + " layers shown";
    if (v["out_of_date"].get<bool>()) out += " (out of date)";
    out += "\n";
    AppendViewEdits(out, v);
  }
  if (!s["dimensions"].empty()) {
    out += "    dimensions:";
    for (const auto& d : s["dimensions"]) out += " " + d["text"].get<std::string>();
    out += "\n";
  }
  if (!s["part_marks"].empty()) {
    out += "    part marks:";
    for (const auto& m : s["part_marks"]) out += " " + m["text"].get<std::string>();
    out += "\n";
  }
  for (const auto& t : s["hole_tables"])
    out += "    hole table on " + t["view"].get<std::string>() + ": " + std::to_string(t["holes"].get<int>()) +
           " holes in " + std::to_string(t["rows"].size() - 1) + " rows\n";
  for (const auto& n : s["notes"]) {
    out += "    " + std::string(n["kind"] == "parts_list" ? "parts list" : "tabular note") + "\n";
    for (const auto& row : n["cells"]) {
      std::string line;
      for (const auto& cell : row) line += (line.empty() ? "" : " | ") + cell.get<std::string>();
      out += "      " + line + "\n";
    }
  }
}

}  // namespace

std::string PartReportText(const json& report) {
  std::string out = "part " + report["file"].get<std::string>() + "\n";
  for (const auto& [title, value] : report["attributes"].items())
    out += "  " + title + " = " + value.get<std::string>() + "\n";
  AppendBodies(out, report["bodies"], "  ");
  AppendComponents(out, report["components"], "  ");
  for (const auto& s : report["sheets"]) AppendSheet(out, s);
  return out;
}

}  // namespace fabdoc::app
