#include "platform/files/drafting_codec.h"

#include <cmath>

#include <functional>

#include "platform/drafting/dimension.h"
#include "platform/drafting/part_mark.h"
#include "platform/files/hole_table_codec.h"
#include "platform/drafting/drawing.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_curves.h"
#include "platform/base/host_error.h"
#include "platform/objects/part.h"
#include "platform/text/gbk.h"

namespace platform::files {

using nlohmann::json;

namespace {

std::string U(const std::string& gbk) { return text::ToUtf8(gbk); }
std::string G(const json& utf8) { return text::ToGbk(utf8.get<std::string>()); }

ViewKind ParseKind(const std::string& name, const std::string& where) {
  for (ViewKind kind : {ViewKind::Model, ViewKind::Base, ViewKind::Projected, ViewKind::Imported})
    if (name == ViewKindName(kind)) return kind;
  throw HostError(HostStatus::BadPartFile, where + ": unknown view kind \"" + name + "\"");
}

json EncodeFrame(const DrawingSheet& sheet) {
  json curves = json::array();
  for (const FrameCurve& c : sheet.frame) {
    json e = c.IsArc() ? json{{"arc", {c.cx, c.cy, c.radius, c.startAngle, c.endAngle}}}
                       : json{{"line", {c.x1, c.y1, c.x2, c.y2}}};
    if (c.thick) e["thick"] = true;
    curves.push_back(e);
  }
  json texts = json::array();
  for (const FrameText& t : sheet.texts) texts.push_back({{"at", {t.x, t.y}}, {"height", t.height}, {"text", U(t.text)}});
  return {{"curves", curves}, {"texts", texts}};
}

void DecodeFrame(const json& j, DrawingSheet& sheet) {
  for (const json& e : j.at("curves")) {
    FrameCurve c;
    if (e.contains("arc")) {
      const auto a = e.at("arc").get<std::array<double, 5>>();
      c.cx = a[0], c.cy = a[1], c.radius = a[2], c.startAngle = a[3], c.endAngle = a[4];
    } else {
      const auto l = e.at("line").get<std::array<double, 4>>();
      c.x1 = l[0], c.y1 = l[1], c.x2 = l[2], c.y2 = l[3];
    }
    c.thick = e.value("thick", false);
    sheet.frame.push_back(c);
  }
  for (const json& e : j.at("texts")) {
    FrameText t;
    t.x = e.at("at").at(0);
    t.y = e.at("at").at(1);
    t.height = e.at("height");
    t.text = G(e.at("text"));
    sheet.texts.push_back(std::move(t));
  }
}

// A view's drawn curves: a line [x1, y1, x2, y2], an arc {"arc": [cx, cy, r, a0, a1]}
// (radians) or a polyline {"polyline": [x, y, ...]}.
json EncodeCurves(const std::vector<drafting::Curve2>& curves) {
  json list = json::array();
  for (const auto& curve : curves) {
    if (auto* line = std::get_if<drafting::Line2>(&curve)) {
      list.push_back({line->start.x, line->start.y, line->end.x, line->end.y});
    } else if (auto* arc = std::get_if<drafting::Arc2>(&curve)) {
      list.push_back({{"arc", {arc->centre.x, arc->centre.y, arc->radius, arc->startAngle, arc->endAngle}}});
    } else {
      json points = json::array();
      for (const auto& p : std::get<drafting::Polyline2>(curve).points) {
        points.push_back(p.x);
        points.push_back(p.y);
      }
      list.push_back({{"polyline", points}});
    }
  }
  return list;
}

std::vector<drafting::Curve2> DecodeCurves(const json& list, drafting::Box2& box) {
  std::vector<drafting::Curve2> curves;
  for (const json& e : list) {
    drafting::Curve2 curve;
    if (e.is_array()) {
      const auto l = e.get<std::array<double, 4>>();
      curve = drafting::Line2{{l[0], l[1]}, {l[2], l[3]}};
    } else if (e.contains("arc")) {
      const auto a = e.at("arc").get<std::array<double, 5>>();
      curve = drafting::Arc2{{a[0], a[1]}, a[2], a[3], a[4]};
    } else {
      const auto xy = e.at("polyline").get<std::vector<double>>();
      drafting::Polyline2 polyline;
      for (size_t i = 0; i + 1 < xy.size(); i += 2) polyline.points.push_back({xy[i], xy[i + 1]});
      curve = std::move(polyline);
    }
    box.Add(curve);
    curves.push_back(std::move(curve));
  }
  return curves;
}

json EncodeView(const DraftingView& view) {
  drafting::Settle(view);
  json j = {{"kind", "view"},
            {"view", ViewKindName(view.kind)},
            {"sheet", view.sheetPid},
            {"modelView", view.modelView},
            {"scale", view.scale},
            {"position", view.center},
            {"orientation", view.orientation},
            {"outOfDate", view.outOfDate}};
  if (!view.modelPartPath.empty()) j["modelPart"] = U(view.modelPartPath);
  if (view.kind == ViewKind::Projected) {
    j["parent"] = view.parentPid;
    j["projection"] = view.projection;
  }
  if (view.content)
    j["content"] = {{"visible", EncodeCurves(view.content->visible)}, {"hidden", EncodeCurves(view.content->hidden)}};
  if (!view.erased.empty()) j["erased"] = view.erased;
  if (!view.shadeEdits.empty()) {
    json shades = json::array();
    for (const ShadeEdit& edit : view.shadeEdits)
      shades.push_back({{"body", edit.body}, {"color", edit.color}, {"transparency", edit.transparency}});
    j["shadeEdits"] = shades;
  }
  if (view.hiddenLineFont) j["hiddenLineFont"] = *view.hiddenLineFont;
  if (view.shadingStyle) j["shadingStyle"] = *view.shadingStyle;
  if (view.layers) {
    json visible = json::array();
    for (int i = 0; i < kLayerCount; ++i)
      if ((*view.layers)[i]) visible.push_back(i + 1);
    j["layers"] = visible;
  }
  return j;
}

std::unique_ptr<Object> DecodeView(const json& j, int version, const std::string& where) {
  const std::uint32_t sheetPid = j.at("sheet");
  // Version 1 knew model views (no sheet) and views placed on sheets.
  const ViewKind kind = version >= 2 ? ParseKind(j.at("view"), where)
                                     : sheetPid == 0 ? ViewKind::Model : ViewKind::Base;
  auto view = std::make_unique<DraftingView>(kind);
  view->sheetPid = sheetPid;
  view->scale = j.at("scale");
  view->center = j.at("position").get<std::array<double, 2>>();
  view->orientation = j.at("orientation").get<std::array<double, 9>>();
  if (version < 2) return view;
  view->modelView = j.at("modelView");
  view->outOfDate = j.at("outOfDate");
  if (j.contains("modelPart")) view->modelPartPath = G(j.at("modelPart"));
  if (kind == ViewKind::Projected) {
    view->parentPid = j.at("parent");
    view->projection = j.at("projection");
  }
  if (j.contains("layers")) {
    LayerMask mask{};
    for (int layer : j.at("layers").get<std::vector<int>>()) {
      if (layer < 1 || layer > kLayerCount)
        throw HostError(HostStatus::BadPartFile, where + ": view layer " + std::to_string(layer) + " out of range");
      mask[layer - 1] = true;
    }
    view->layers = mask;
  }
  if (j.contains("erased")) view->erased = j.at("erased").get<std::vector<std::string>>();
  if (j.contains("shadeEdits"))
    for (const json& e : j.at("shadeEdits")) {
      ShadeEdit edit{e.at("body"), e.at("color"), e.at("transparency")};
      if (edit.transparency < 0 || edit.transparency > 100)
        throw HostError(HostStatus::BadPartFile, where + ": shade edit transparency out of 0..100");
      view->shadeEdits.push_back(std::move(edit));
    }
  if (j.contains("hiddenLineFont")) view->hiddenLineFont = j.at("hiddenLineFont").get<int>();
  if (j.contains("shadingStyle")) view->shadingStyle = j.at("shadingStyle").get<int>();
  if (j.contains("content")) {
    auto content = std::make_shared<drafting::ViewContent>();
    content->visible = DecodeCurves(j.at("content").at("visible"), content->box);
    content->hidden = DecodeCurves(j.at("content").at("hidden"), content->box);
    view->content = std::move(content);
  }
  return view;
}

json EncodeNote(const TabularNote& note) {
  json cells = json::array();
  for (const auto& c : note.cells) cells.push_back(U(c));
  json j = {{"kind", note.Subtype() == kPartsListSubtype ? "partsList" : "note"},
            {"sheet", note.sheetPid},
            {"position", note.position},
            {"rowHeights", note.rowHeights},
            {"columnWidths", note.columnWidths},
            {"cells", cells}};
  if (auto* list = dynamic_cast<const PartsList*>(&note)) j["members"] = list->memberKeys;
  return j;
}

std::unique_ptr<Object> DecodeNote(const json& j, int version, const std::string& where) {
  std::unique_ptr<TabularNote> note;
  if (j.at("kind") == "partsList") {
    auto list = std::make_unique<PartsList>();
    list->memberKeys = j.at("members").get<std::vector<std::string>>();
    note = std::move(list);
  } else {
    note = std::make_unique<TabularNote>();
  }
  note->sheetPid = j.at("sheet");
  note->position = j.at("position").get<std::array<double, 2>>();
  if (version < 2) {
    // Version 1 kept the grid only; rows and columns get the host's default size.
    note->Resize(j.at("rows"), j.at("columns"), 8, 30);
    note->cells.clear();
  } else {
    note->rowHeights = j.at("rowHeights").get<std::vector<double>>();
    note->columnWidths = j.at("columnWidths").get<std::vector<double>>();
  }
  for (const auto& c : j.at("cells")) note->cells.push_back(G(c));
  if (note->cells.size() != static_cast<size_t>(note->Rows()) * note->Columns())
    throw HostError(HostStatus::BadPartFile, where + ": tabular note cell count does not match its size");
  return note;
}

json EncodePoint(drafting::Point2 p) { return {p.x, p.y}; }

json EncodeGraphics(const DimensionGraphics& g) {
  json lines = json::array(), arcs = json::array(), arrows = json::array();
  for (const auto& l : g.lines) lines.push_back({l.start.x, l.start.y, l.end.x, l.end.y});
  for (const auto& a : g.arcs) arcs.push_back({a.centre.x, a.centre.y, a.radius, a.startAngle, a.endAngle});
  for (const auto& a : g.arrows) arrows.push_back({a.tip.x, a.tip.y, a.angle});
  return {{"lines", lines},
          {"arcs", arcs},
          {"arrows", arrows},
          {"textAt", EncodePoint(g.textAt)},
          {"textAngle", g.textAngleDeg},
          {"textHeight", g.textHeight},
          {"textBox", {g.textBox.xmin, g.textBox.ymin, g.textBox.xmax, g.textBox.ymax}},
          {"measured", {EncodePoint(g.measured[0]), EncodePoint(g.measured[1])}}};
}

json EncodeDimension(const Dimension& d) {
  json j = {{"kind", "dimension"},
            {"sheet", d.sheetPid},
            {"view", d.viewPid},
            {"dimension", DimensionKindName(d.kind)},
            {"value", d.value},
            {"count", d.count},
            {"text", d.text},
            {"automatic", d.automatic}};
  j.update(EncodeGraphics(d.drawn));
  return j;
}

json EncodePartMark(const PartMark& m) {
  json j = {{"kind", "partMark"}, {"sheet", m.sheetPid},        {"view", m.viewPid},
            {"text", m.text},     {"number", m.drawingNumber},  {"name", m.partName},
            {"automatic", m.automatic}};
  j.update(EncodeGraphics(m.drawn));
  return j;
}

using BadRecord = std::function<HostError(const std::string&)>;

// Every number of a drawn annotation finite, its arcs with radius and span, its text box
// in order: a damaged record is refused rather than drawn somewhere off the sheet.
DimensionGraphics DecodeGraphics(const json& j, const BadRecord& bad) {
  const auto number = [&](const json& v) {
    const double x = v.get<double>();
    if (!std::isfinite(x)) throw bad("a coordinate or value is not a number");
    return x;
  };
  const auto point = [&](const json& v) {
    if (v.size() != 2) throw bad("a point needs two coordinates");
    return drafting::Point2{number(v.at(0)), number(v.at(1))};
  };
  DimensionGraphics g;
  for (const json& l : j.at("lines")) {
    if (l.size() != 4) throw bad("a line needs four coordinates");
    g.lines.push_back({point(json{l.at(0), l.at(1)}), point(json{l.at(2), l.at(3)})});
  }
  for (const json& a : j.at("arcs")) {
    if (a.size() != 5) throw bad("an arc needs five numbers");
    drafting::Arc2 arc{point(json{a.at(0), a.at(1)}), number(a.at(2)), number(a.at(3)), number(a.at(4))};
    if (!(arc.radius > 0) || !(arc.endAngle > arc.startAngle)) throw bad("an arc without radius or span");
    g.arcs.push_back(arc);
  }
  for (const json& a : j.at("arrows")) {
    if (a.size() != 3) throw bad("an arrow needs three numbers");
    g.arrows.push_back({point(json{a.at(0), a.at(1)}), number(a.at(2))});
  }
  g.textAt = point(j.at("textAt"));
  g.textAngleDeg = number(j.at("textAngle"));
  g.textHeight = number(j.at("textHeight"));
  if (!(g.textHeight > 0)) throw bad("text height not above 0");
  const json& box = j.at("textBox");
  if (box.size() != 4) throw bad("a text box needs four numbers");
  g.textBox.Add(point(json{box.at(0), box.at(1)}));
  g.textBox.Add(point(json{box.at(2), box.at(3)}));
  if (g.textBox.xmin != box.at(0).get<double>() || g.textBox.ymax != box.at(3).get<double>())
    throw bad("text box corners swapped");
  const json& measured = j.at("measured");
  if (measured.size() != 2) throw bad("two measured points needed");
  g.measured[0] = point(measured.at(0));
  g.measured[1] = point(measured.at(1));
  return g;
}

// A dimension's kind known, its value finite, its count and text sound.
std::unique_ptr<Object> DecodeDimension(const json& j, const std::string& where) {
  const BadRecord bad = [&](const std::string& what) {
    return HostError(HostStatus::BadPartFile, where + ": damaged dimension record (" + what + ")");
  };
  auto d = std::make_unique<Dimension>();
  d->sheetPid = j.at("sheet");
  d->viewPid = j.at("view");
  if (!ParseDimensionKind(j.at("dimension").get<std::string>(), d->kind))
    throw bad("unknown kind \"" + j.at("dimension").get<std::string>() + "\"");
  d->value = j.at("value").get<double>();
  if (!std::isfinite(d->value)) throw bad("a coordinate or value is not a number");
  d->count = j.at("count");
  if (d->count < 1) throw bad("count " + std::to_string(d->count) + " below 1");
  d->text = j.at("text");
  if (d->text.empty() || !text::IsValidUtf8(d->text)) throw bad("empty text or text that is not UTF-8");
  d->automatic = j.at("automatic");
  d->drawn = DecodeGraphics(j, bad);
  return d;
}

// A part mark's number and texts sound, and a balloon to draw: a circle, a leader, an arrow.
std::unique_ptr<Object> DecodePartMark(const json& j, const std::string& where) {
  const BadRecord bad = [&](const std::string& what) {
    return HostError(HostStatus::BadPartFile, where + ": damaged part mark record (" + what + ")");
  };
  auto m = std::make_unique<PartMark>();
  m->sheetPid = j.at("sheet");
  m->viewPid = j.at("view");
  m->text = j.at("text");
  m->drawingNumber = j.at("number");
  m->partName = j.at("name");
  for (const std::string* t : {&m->text, &m->drawingNumber, &m->partName})
    if (!text::IsValidUtf8(*t)) throw bad("text that is not UTF-8");
  if (m->text.empty()) throw bad("no number in the balloon");
  m->automatic = j.at("automatic");
  m->drawn = DecodeGraphics(j, bad);
  if (m->drawn.arcs.empty() || m->drawn.lines.empty() || m->drawn.arrows.empty())
    throw bad("a balloon needs its circle, leader and arrow");
  return m;
}

}  // namespace

bool EncodeDraftingObject(const Object& object, json& j) {
  if (auto* sheet = dynamic_cast<const DrawingSheet*>(&object)) {
    j["kind"] = "sheet";
    j["number"] = sheet->number;
    if (!sheet->secondaryNumber.empty()) j["secondaryNumber"] = U(sheet->secondaryNumber);
    j["scale"] = sheet->scale;
    if (sheet->ratio) j["ratio"] = *sheet->ratio;
    j["size"] = {sheet->width, sheet->height};
    j["template"] = U(sheet->templatePath);
    j["current"] = sheet->current;
    j["frame"] = EncodeFrame(*sheet);
  } else if (auto* view = dynamic_cast<const DraftingView*>(&object)) {
    j.update(EncodeView(*view));
  } else if (auto* note = dynamic_cast<const TabularNote*>(&object)) {
    j.update(EncodeNote(*note));
  } else if (auto* dimension = dynamic_cast<const Dimension*>(&object)) {
    j.update(EncodeDimension(*dimension));
  } else if (auto* mark = dynamic_cast<const PartMark*>(&object)) {
    j.update(EncodePartMark(*mark));
  } else if (auto* table = dynamic_cast<const HoleTable*>(&object)) {
    j.update(EncodeHoleTable(*table));
  } else {
    return false;
  }
  return true;
}

std::unique_ptr<Object> DecodeDraftingObject(const json& j, int version, const std::string& where) {
  const std::string kind = j.at("kind");
  if (kind == "sheet") {
    auto sheet = std::make_unique<DrawingSheet>();
    sheet->scale = j.at("scale");
    sheet->width = j.at("size").at(0);
    sheet->height = j.at("size").at(1);
    sheet->templatePath = G(j.at("template"));
    if (version >= 2) {
      sheet->number = j.at("number");
      if (j.contains("secondaryNumber")) sheet->secondaryNumber = G(j.at("secondaryNumber"));
      if (j.contains("ratio")) {
        const auto ratio = j.at("ratio").get<std::array<double, 2>>();
        if (!(ratio[0] > 0) || !(ratio[1] > 0))
          throw HostError(HostStatus::BadPartFile, where + ": sheet scale ratio needs both terms above 0");
        sheet->ratio = ratio;
      }
      sheet->current = j.at("current");
      DecodeFrame(j.at("frame"), *sheet);
    }
    return sheet;
  }
  if (kind == "view") return DecodeView(j, version, where);
  if (kind == "note" || kind == "partsList") return DecodeNote(j, version, where);
  if (kind == "dimension" && version >= 4) return DecodeDimension(j, where);
  if (kind == "partMark" && version >= 4) return DecodePartMark(j, where);
  if (kind == "holeTable" && version >= 4) return DecodeHoleTable(j, where);
  return nullptr;
}

}  // namespace platform::files

namespace platform::files {

void CheckDimensionReferences(const Part& part, const std::string& where) {
  for (const auto& object : part.Objects()) {
    std::uint32_t sheetPid = 0, viewPid = 0;
    std::string record;
    if (const auto* dimension = dynamic_cast<const Dimension*>(object.get())) {
      sheetPid = dimension->sheetPid, viewPid = dimension->viewPid, record = "dimension";
    } else if (const auto* mark = dynamic_cast<const PartMark*>(object.get())) {
      sheetPid = mark->sheetPid, viewPid = mark->viewPid, record = "part mark";
    } else if (const auto* table = dynamic_cast<const HoleTable*>(object.get())) {
      sheetPid = table->sheetPid, viewPid = table->grid.viewPid, record = "hole table";
    } else {
      continue;
    }
    const auto* view = dynamic_cast<const DraftingView*>(part.FindByPid(viewPid));
    if (!dynamic_cast<const DrawingSheet*>(part.FindByPid(sheetPid)) || !view || view->sheetPid != sheetPid)
      throw HostError(HostStatus::BadPartFile, where + ": damaged " + record + " record (id " +
                                                   std::to_string(object->pid) +
                                                   " names a sheet or view that is not in the file)");
  }
}

void UpgradeDrafting(Part& part) {
  int number = 0;
  DrawingSheet* last = nullptr;
  for (const auto& object : part.Objects()) {
    if (auto* sheet = dynamic_cast<DrawingSheet*>(object.get())) {
      sheet->number = ++number;
      if (sheet->scale > 0) sheet->scale = 1 / sheet->scale;
      last = sheet;
    } else if (auto* view = dynamic_cast<DraftingView*>(object.get()); view && view->scale > 0) {
      view->scale = 1 / view->scale;
    }
  }
  if (last) last->current = true;
}

}  // namespace platform::files
