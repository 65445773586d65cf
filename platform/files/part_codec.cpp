#include "platform/files/part_codec.h"

#include "platform/base/host_error.h"
#include "platform/drafting/drawing.h"
#include "platform/files/drafting_codec.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"
#include "platform/objects/group.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace platform::files {

using nlohmann::json;

namespace {

// ---- host text <-> file text

std::string U(const std::string& gbk) { return text::ToUtf8(gbk); }
std::string G(const json& utf8) { return text::ToGbk(utf8.get<std::string>()); }

json EncodeAttributes(const Attributes& attributes) {
  json list = json::array();
  for (const auto& [title, value] : attributes.Entries()) list.push_back({U(title), U(value)});
  return list;
}

Attributes DecodeAttributes(const json& list) {
  Attributes attributes;
  for (const auto& entry : list) attributes.Set(G(entry.at(0)), G(entry.at(1)));
  return attributes;
}

json EncodeDisplay(const Display& d) {
  return {{"layer", d.layer}, {"color", d.color}, {"blanked", d.blanked},
          {"translucency", d.translucency}};
}

Display DecodeDisplay(const json& j) {
  Display d;
  d.layer = j.at("layer");
  d.color = j.at("color");
  d.blanked = j.at("blanked");
  d.translucency = j.at("translucency");
  return d;
}

json EncodeTransform(const Transform& t) { return {{"rotation", t.rotation}, {"translation", t.translation}}; }

Transform DecodeTransform(const json& j) {
  Transform t;
  t.rotation = j.at("rotation").get<std::array<double, 9>>();
  t.translation = j.at("translation").get<std::array<double, 3>>();
  return t;
}

// ---- files beside the part

// A part file in this part's folder (a component, the part a drawing view shows) is also
// stored by its name alone, under `key`, and found beside the part when read: a product
// folder copied or moved elsewhere, or backed up, then uses its own files, not the
// originals (renamed or deleted since) nor their unchanged originals.
void NoteFileBeside(json& j, const char* key, const std::string& path, const std::string& folder) {
  if (SameHostPath(HostFolder(path), folder)) j[key] = U(HostFileName(path));
}

std::string PathBeside(const std::string& folder, const json& file) { return folder + "\\" + G(file); }

// ---- objects

json EncodeObject(const Object& object, std::vector<TopoDS_Shape>& shapes) {
  json j = {{"pid", object.pid},
            {"name", U(object.name)},
            {"display", EncodeDisplay(object.display)},
            {"attributes", EncodeAttributes(object.attributes)}};
  if (auto* body = dynamic_cast<const Body*>(&object)) {
    j["kind"] = "body";
    j["density"] = body->density;
    if (body->Shape().IsNull()) j["shape"] = -1;
    else {
      j["shape"] = shapes.size();
      shapes.push_back(body->Shape());
    }
  } else if (auto* feature = dynamic_cast<const Feature*>(&object)) {
    j["kind"] = "feature";
    j["feature"] = feature->kind;
    j["bodies"] = feature->bodyPids;
    json parameters = json::object();
    for (const auto& [k, v] : feature->parameters) parameters[U(k)] = U(v);
    j["parameters"] = parameters;
  } else if (auto* group = dynamic_cast<const Group*>(&object)) {
    j["kind"] = "group";
    j["members"] = group->memberPids;
  } else if (EncodeDraftingObject(object, j)) {
    // sheet, view or note
  } else {
    throw HostError(HostStatus::NotImplemented,
                    "object " + std::to_string(object.GetTag()) + " (type " +
                        std::to_string(object.Type()) + ") cannot be stored in a part file");
  }
  return j;
}

std::unique_ptr<Object> DecodeObject(const json& j, const std::vector<TopoDS_Shape>& shapes, int version,
                                     const std::string& where) {
  const std::string kind = j.at("kind");
  std::unique_ptr<Object> object;
  if (kind == "body") {
    auto body = std::make_unique<Body>();
    body->density = j.at("density");
    const long index = j.at("shape");
    if (index >= static_cast<long>(shapes.size()))
      throw HostError(HostStatus::BadPartFile, where + ": body refers to missing shape " + std::to_string(index));
    if (index >= 0) body->SetShape(shapes[index]);
    object = std::move(body);
  } else if (kind == "feature") {
    auto feature = std::make_unique<Feature>();
    feature->kind = j.at("feature");
    feature->bodyPids = j.at("bodies").get<std::vector<std::uint32_t>>();
    for (const auto& [k, v] : j.at("parameters").items()) feature->parameters[text::ToGbk(k)] = G(v);
    object = std::move(feature);
  } else if (kind == "group") {
    auto group = std::make_unique<Group>();
    group->memberPids = j.at("members").get<std::vector<std::uint32_t>>();
    object = std::move(group);
  } else if ((object = DecodeDraftingObject(j, version, where))) {
    // sheet, view or note
  } else {
    throw HostError(HostStatus::BadPartFile,
                    where + ": unknown object kind \"" + kind + "\" (the file may be from a newer version)");
  }
  object->pid = j.at("pid");
  object->name = G(j.at("name"));
  object->display = DecodeDisplay(j.at("display"));
  object->attributes = DecodeAttributes(j.at("attributes"));
  return object;
}

}  // namespace

EncodedPart EncodePart(const Part& part) {
  EncodedPart encoded;
  json& doc = encoded.document;
  doc["attributes"] = EncodeAttributes(part.attributes);
  doc["nextPid"] = part.PeekNextPid();
  json objects = json::array();
  const std::string folder = HostFolder(part.path);
  for (const auto& object : part.Objects()) {
    objects.push_back(EncodeObject(*object, encoded.shapes));
    if (auto* view = dynamic_cast<const DraftingView*>(object.get()); view && !view->modelPartPath.empty())
      NoteFileBeside(objects.back(), "modelFile", view->modelPartPath, folder);
  }
  doc["objects"] = objects;
  json instances = json::array();
  for (const auto& inst : part.Instances()) {
    json i = {{"pid", inst.pid},
              {"path", U(inst.partPath)},
              {"instance", U(inst.instanceName)},
              {"name", U(inst.name)},
              {"layer", inst.layer},
              {"color", inst.color},
              {"transform", EncodeTransform(inst.transform)},
              {"attributes", EncodeAttributes(inst.attributes)}};
    NoteFileBeside(i, "file", inst.partPath, folder);
    instances.push_back(i);
  }
  doc["instances"] = instances;
  json overrides = json::object();
  for (const auto& [key, ov] : part.occurrenceOverrides) {
    json o = {{"attributes", EncodeAttributes(ov.attributes)}};
    if (ov.name) o["name"] = U(*ov.name);
    if (ov.display) o["display"] = EncodeDisplay(*ov.display);
    overrides[key] = o;
  }
  doc["occurrences"] = overrides;
  return encoded;
}

std::unique_ptr<Part> DecodePart(const json& doc, const std::vector<TopoDS_Shape>& shapes, int version,
                                 const std::string& hostPath, const std::string& where) {
  auto part = std::make_unique<Part>(hostPath);
  try {
    part->attributes = DecodeAttributes(doc.at("attributes"));
    const std::string folder = HostFolder(hostPath);
    for (const auto& j : doc.at("objects")) {
      auto object = DecodeObject(j, shapes, version, where);
      if (auto* view = dynamic_cast<DraftingView*>(object.get()); view && j.contains("modelFile"))
        view->modelPartPath = PathBeside(folder, j.at("modelFile"));
      const auto pid = object->pid;
      if (part->FindByPid(pid))
        throw HostError(HostStatus::BadPartFile, where + ": two objects share id " + std::to_string(pid));
      part->ReservePid(pid);
      // Added without the session: the part is registered when it joins one.
      part->AdoptLoaded(std::move(object));
    }
    for (const auto& j : doc.at("instances")) {
      Instance inst;
      inst.pid = j.at("pid");
      inst.partPath = j.contains("file") ? PathBeside(folder, j.at("file")) : G(j.at("path"));
      inst.instanceName = G(j.at("instance"));
      inst.name = G(j.at("name"));
      inst.layer = j.at("layer");
      inst.color = j.at("color");
      inst.transform = DecodeTransform(j.at("transform"));
      inst.attributes = DecodeAttributes(j.at("attributes"));
      part->AddInstance(std::move(inst));
    }
    for (const auto& [key, o] : doc.at("occurrences").items()) {
      OccurrenceOverride ov;
      ov.attributes = DecodeAttributes(o.at("attributes"));
      if (o.contains("name")) ov.name = G(o.at("name"));
      if (o.contains("display")) ov.display = DecodeDisplay(o.at("display"));
      part->occurrenceOverrides[key] = std::move(ov);
    }
    part->ReservePid(doc.at("nextPid").get<std::uint32_t>() - 1);
    if (version < 2) UpgradeDrafting(*part);
    CheckDimensionReferences(*part, where);
  } catch (const json::exception& e) {
    throw HostError(HostStatus::BadPartFile, where + ": damaged part description (" + e.what() + ")");
  }
  part->modified = false;
  return part;
}

}  // namespace platform::files
