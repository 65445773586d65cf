// STEP import:
//   1. check the file is there and is STEP, then let the XCAF reader build a document,
//   2. remember the names the file gives its solids (the document keeps product names only),
//   3. walk the products from the top: each becomes a part, each component an instance,
//      each solid a body with its name, nearest host colour and numeric layer,
//   4. on any failure close every part made, so nothing half-read stays in the session;
//   all of this in a guard child, which tries every body and hands the parts back;
//   5. a damaged file, where the user asks for it, is cut down to its sound products first;
//      faults of the load check that lose nothing (unset names) are only warnings.
#include "platform/files/read_all.h"
#include "platform/files/step_import.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <unordered_map>

#include <IFSelect_ReturnStatus.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <StepRepr_RepresentationItem.hxx>
#include <TColStd_HSequenceOfExtendedString.hxx>
#include <TDF_Label.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDF_Tool.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TransferBRep.hxx>
#include <Transfer_TransientProcess.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_LayerTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <XSControl_TransferReader.hxx>
#include <XSControl_WorkSession.hxx>
#include <gp_Ax1.hxx>
#include <gp_Trsf.hxx>

#include "platform/base/host_error.h"
#include "platform/files/isolated_run.h"
#include "platform/files/part_file.h"
#include "platform/files/step_entities.h"
#include "platform/files/step_handback.h"
#include "platform/files/step_data_limits.h"
#include "platform/files/step_load_check.h"
#include "platform/files/step_sound_part.h"
#include "platform/files/step_support.h"
#include "platform/geometry/body.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"

namespace platform::files {

namespace fs = std::filesystem;

namespace {

constexpr const char* kStepMagic = "ISO-10303-21";

// The turn that makes the file's up axis the host's Z: a quarter turn about X takes Y to Z.
gp_Trsf UpTurn(UpAxis up) {
  gp_Trsf turn;
  if (up == UpAxis::Y) turn.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(1, 0, 0)), M_PI / 2);
  return turn;
}

void CheckStepFile(const std::string& local) {
  std::error_code ec;
  if (!fs::exists(local, ec))
    throw HostError(HostStatus::NotFound, local + ": no such file");
  if (fs::is_directory(local, ec))
    throw HostError(HostStatus::FileError, local + ": is a folder, not a STEP file");
  std::ifstream in(local, std::ios::binary);
  if (!in) throw HostError(HostStatus::FileError, local + ": cannot be read");
  char head[64] = {};
  in.read(head, sizeof head);
  std::string_view text(head, static_cast<size_t>(in.gcount()));
  if (text.empty()) throw HostError(HostStatus::FileError, local + ": is empty, not a STEP file");
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  if (!text.starts_with(kStepMagic))
    throw HostError(HostStatus::FileError,
                    local + ": not a STEP file (it does not begin with \"" + kStepMagic + "\")");
}

std::string LabelName(const TDF_Label& label) {
  Handle(TDataStd_Name) name;
  if (!label.FindAttribute(TDataStd_Name::GetID(), name)) return {};
  return ExtendedToUtf8(name->Get());
}

std::string LabelKey(const TDF_Label& label) {
  TCollection_AsciiString entry;
  TDF_Tool::Entry(label, entry);
  return entry.ToCString();
}

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// What other systems write when a component instance has no name of its own: nothing
// or blanks, OCCT's label placeholder "=>[0:1:1:2]", an occurrence id such as "NAUO12",
// or (after the reader) a bare number.
bool IsPlaceholderInstanceName(const std::string& utf8) {
  const auto first = utf8.find_first_not_of(" \t");
  if (first == std::string::npos) return true;
  const std::string name = utf8.substr(first, utf8.find_last_not_of(" \t") + 1 - first);
  if (AllDigits(name) || name.starts_with("=>[")) return true;
  return name.size() > 4 && name.compare(0, 4, "NAUO") == 0 && AllDigits(name.substr(4));
}

std::string WithoutTrailingSeparator(std::string folder) {
  // HostFileName knows GBK: a trail byte 0x5C is not a separator.
  if (!folder.empty() && HostFileName(folder).empty()) folder.pop_back();
  return folder;
}

// Builds the parts of one document; closes them all again unless Commit() is called.
class PartBuilder {
public:
  PartBuilder(const Handle(TDocStd_Document)& doc, const std::string& hostFolder,
              std::unordered_map<const TopoDS_TShape*, std::string> itemNames, UpAxis up)
      : up_(UpTurn(up)),
        shapes_(XCAFDoc_DocumentTool::ShapeTool(doc->Main())),
        colors_(XCAFDoc_DocumentTool::ColorTool(doc->Main())),
        layers_(XCAFDoc_DocumentTool::LayerTool(doc->Main())),
        folder_(WithoutTrailingSeparator(hostFolder)),
        itemNames_(std::move(itemNames)) {}

  ~PartBuilder() {
    if (committed_) return;
    for (Part* part : result_.parts) Session::Get().ClosePart(*part);
  }

  StepImport Commit() {
    committed_ = true;
    return std::move(result_);
  }

  void Build(const std::string& fileStem) {
    TDF_LabelSequence tops;
    shapes_->GetFreeShapes(tops);
    if (tops.Length() == 1) {
      result_.root = &PartFor(tops.Value(1));
    } else {
      // Several top products: an assembly named after the file holds them in place.
      Part& root = NewPart(fileStem);
      result_.root = &root;
      for (int i = 1; i <= tops.Length(); ++i) AddInstance(root, PartFor(tops.Value(i)), "", gp_Trsf());
    }
  }

  int BodyCount() const { return bodyCount_; }
  StepImport& Result() { return result_; }

private:
  std::string HostName(const std::string& utf8, const char* what) {
    bool replaced = false;
    std::string host = StepTextToHost(utf8, &replaced);
    if (replaced)
      result_.notes.push_back(std::string(what) + " \"" + utf8 +
                              "\": characters without a GBK form were replaced by '_'");
    return host;
  }

  Part& NewPart(const std::string& gbkName) {
    std::string stem = PartFileStem(gbkName);
    // File names on the host ignore case: "Frame" and "FRAME" would be one file.
    std::string unique = stem;
    for (int n = 2; usedStems_.count(Lower(unique)); ++n) unique = stem + "_" + std::to_string(n);
    usedStems_.insert(Lower(unique));
    const std::string path = folder_ + "\\" + unique + ".prt";
    if (Session::Get().FindPartByPath(path))
      throw HostError(HostStatus::InvalidArgument,
                      ShownPath(path) + ": a part of this name is already open; close it first");
    Part& part = Session::Get().NewPart(path);
    result_.parts.push_back(&part);
    return part;
  }

  static std::string Lower(std::string s) {
    for (char& c : s)
      if (static_cast<unsigned char>(c) < 0x80) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }

  Part& PartFor(const TDF_Label& label) {
    const std::string key = LabelKey(label);
    if (auto it = parts_.find(key); it != parts_.end()) return *it->second;
    Part& part = NewPart(HostName(LabelName(label), "product name"));
    parts_[key] = &part;
    if (!shapes_->IsAssembly(label)) {
      AddBodies(part, label);
      return part;
    }
    TDF_LabelSequence components;
    shapes_->GetComponents(label, components);
    for (int i = 1; i <= components.Length(); ++i) {
      const TDF_Label& component = components.Value(i);
      TDF_Label referred;
      if (!shapes_->GetReferredShape(component, referred)) continue;
      const std::string name = LabelName(component);
      const gp_Trsf trsf = shapes_->GetLocation(component).Transformation();
      if (name == kOwnBodiesInstance && !shapes_->IsAssembly(referred)) {
        AddBodies(part, referred, trsf);
        continue;
      }
      AddInstance(part, PartFor(referred), name, trsf);
    }
    return part;
  }

  void AddInstance(Part& parent, Part& child, const std::string& utf8Name, const gp_Trsf& trsf) {
    Instance instance;
    instance.partPath = child.path;
    instance.name = HostFileStem(child.path);
    // Without a real name an instance is called after its product, as in the host.
    instance.instanceName = IsPlaceholderInstanceName(utf8Name)
                                ? instance.name
                                : HostName(utf8Name, "component name");
    // Every part is turned alike, so a placement is seen through the same turn.
    instance.transform = FromTrsf(up_ * trsf * up_.Inverted());
    parent.AddInstance(std::move(instance));
  }

  void AddBodies(Part& part, const TDF_Label& label, const gp_Trsf& placement = gp_Trsf()) {
    const TopoDS_Shape shape = shapes_->GetShape(label);
    std::vector<TopoDS_Shape> pieces;
    for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) pieces.push_back(e.Current());
    // Surface models: each free shell is a sheet body.
    for (TopExp_Explorer e(shape, TopAbs_SHELL, TopAbs_SOLID); e.More(); e.Next())
      pieces.push_back(e.Current());
    for (const TopoDS_Shape& piece : pieces) {
      const gp_Trsf turned = up_ * placement;
      TopoDS_Shape placed = turned.Form() == gp_Identity ? piece : piece.Moved(TopLoc_Location(turned));
      auto body = std::make_unique<Body>(placed);
      body->name = BodyName(label, piece);
      body->display.color = BodyColor(label, piece);
      body->display.layer = BodyLayer(label, piece);
      part.Add(std::move(body));
      ++bodyCount_;
    }
  }

  std::string BodyName(const TDF_Label& label, const TopoDS_Shape& piece) {
    if (auto it = itemNames_.find(piece.TShape().get()); it != itemNames_.end()) return it->second;
    TDF_Label sub;
    if (shapes_->FindSubShape(label, piece, sub)) return HostName(LabelName(sub), "body name");
    return {};
  }

  std::optional<Quantity_Color> ColorOn(const TopoDS_Shape& shape) const {
    Quantity_Color color;
    if (colors_->GetColor(shape, XCAFDoc_ColorSurf, color) ||
        colors_->GetColor(shape, XCAFDoc_ColorGen, color))
      return color;
    return std::nullopt;
  }

  std::optional<Quantity_Color> ColorOn(const TDF_Label& label) const {
    Quantity_Color color;
    if (colors_->GetColor(label, XCAFDoc_ColorSurf, color) ||
        colors_->GetColor(label, XCAFDoc_ColorGen, color))
      return color;
    return std::nullopt;
  }

  int BodyColor(const TDF_Label& label, const TopoDS_Shape& piece) const {
    // The solid's own colour, else its first face's, else the product's.
    std::optional<Quantity_Color> color = ColorOn(piece);
    if (!color) {
      TDF_Label sub;
      if (shapes_->FindSubShape(label, piece, sub)) color = ColorOn(sub);
    }
    if (!color) {
      TopExp_Explorer face(piece, TopAbs_FACE);
      if (face.More()) color = ColorOn(face.Current());
    }
    if (!color) color = ColorOn(label);
    if (!color) return kDefaultBodyColor;
    double r, g, b;
    color->Values(r, g, b, Quantity_TOC_sRGB);
    return NearestColor(r, g, b);
  }

  int BodyLayer(const TDF_Label& label, const TopoDS_Shape& piece) const {
    Handle(TColStd_HSequenceOfExtendedString) names = new TColStd_HSequenceOfExtendedString;
    layers_->GetLayers(piece, names);
    if (names->IsEmpty()) layers_->GetLayers(label, names);
    for (int i = 1; i <= names->Length(); ++i) {
      const std::string name = ExtendedToUtf8(names->Value(i));
      if (!AllDigits(name) || name.size() > 3) continue;
      const int layer = std::stoi(name);
      if (layer >= kMinLayer && layer <= kMaxLayer) return layer;
    }
    return kMinLayer;
  }

  gp_Trsf up_;
  Handle(XCAFDoc_ShapeTool) shapes_;
  Handle(XCAFDoc_ColorTool) colors_;
  Handle(XCAFDoc_LayerTool) layers_;
  std::string folder_;
  std::unordered_map<const TopoDS_TShape*, std::string> itemNames_;
  std::map<std::string, Part*> parts_;
  std::set<std::string> usedStems_;
  StepImport result_;
  int bodyCount_ = 0;
  bool committed_ = false;
};

// The names the file gives its solids and shells, by the shape each became.
std::unordered_map<const TopoDS_TShape*, std::string> ItemNames(STEPCAFControl_Reader& reader,
                                                                std::vector<std::string>& notes) {
  std::unordered_map<const TopoDS_TShape*, std::string> names;
  Handle(Transfer_TransientProcess) process =
      reader.ChangeReader().WS()->TransferReader()->TransientProcess();
  if (process.IsNull()) return names;
  for (int i = 1; i <= process->NbMapped(); ++i) {
    auto item = Handle(StepRepr_RepresentationItem)::DownCast(process->Mapped(i));
    if (item.IsNull() || item->Name().IsNull() || item->Name()->Length() == 0) continue;
    const TopoDS_Shape shape = TransferBRep::ShapeResult(process, process->MapItem(i));
    if (shape.IsNull() || (shape.ShapeType() != TopAbs_SOLID && shape.ShapeType() != TopAbs_SHELL))
      continue;
    bool replaced = false;
    const std::string utf8 = item->Name()->ToCString();
    names[shape.TShape().get()] = StepTextToHost(utf8, &replaced);
    if (replaced)
      notes.push_back("body name \"" + utf8 + "\": characters without a GBK form were replaced by '_'");
  }
  return names;
}

// The translator takes names as UTF-8 and garbles other bytes, so a file written in
// GBK by a Chinese system is handed over as UTF-8.
std::string StepText(const std::string& local) {
  std::ifstream in(local, std::ios::binary);
  std::string bytes;
  if (!ReadAll(in, bytes)) throw HostError(HostStatus::FileError, local + ": cannot be read");
  if (!text::IsValidUtf8(bytes)) {
    try {
      bytes = text::ToUtf8(bytes);
    } catch (const HostError&) {
      // Neither UTF-8 nor GBK: let the translator do what it can with the names.
    }
  }
  return bytes;
}

// Reads, checks and transfers the file, then builds its parts; throws HostError naming
// the file and the first bad entity. The parts are closed again unless committed.
StepImport Translate(const std::string& text, const std::string& local, const std::string& hostFolder,
                     UpAxis up) {
  QuietTranslator quiet;
  STEPCAFControl_Reader reader;
  reader.SetNameMode(true);
  reader.SetColorMode(true);
  reader.SetLayerMode(true);
  std::istringstream stream(text);
  if (reader.ChangeReader().ReadStream(local.c_str(), stream) != IFSelect_RetDone)
    throw HostError(HostStatus::FileError, local + ": not a readable STEP file (the translator rejected it)");
  const LoadCheck check = CheckLoad(reader.ChangeReader(), text);
  if (auto fault = check.Damage())
    throw HostError(HostStatus::FileError, local + ": damaged STEP file, " + *fault + "; nothing was imported");

  XcafDocument doc;
  if (!reader.Transfer(doc.Get()))
    throw HostError(HostStatus::FileError, local + ": holds no shapes that can be read");

  std::vector<std::string> notes;
  auto names = ItemNames(reader, notes);
  PartBuilder builder(doc.Get(), hostFolder, std::move(names), up);
  builder.Result().notes = std::move(notes);
  builder.Result().checkWarnings = check.Warnings();
  builder.Build(StepTextToHost(fs::path(local).stem().string()));
  if (builder.BodyCount() == 0)
    throw HostError(HostStatus::FileError, local + ": holds no solid or sheet bodies");
  return builder.Commit();
}

// The translator trusts what the load check lets through: a damaged file can still
// crash it, so every import runs in a child process, which also tries each body the host
// will measure and save, and hands back the parts it made: the file is translated once.
// Nothing when it went well; the parts are then in the session and in `made`, when given.
std::optional<std::string> FailureToTranslate(const std::string& text, const std::string& local,
                                              const std::string& hostFolder, UpAxis up,
                                              StepImport* made = nullptr) {
  auto work = [&](std::string& result) {
    try {
      return HandBackImport(Translate(text, local, hostFolder, up), local, result);
    } catch (const HostError& e) {
      return std::string(e.what());
    }
  };
  // Real files of a few megabytes take the translator half a minute of processor time;
  // a loop is stopped by the processor budget, while the wall clock only guards against
  // a child that waits on nothing, so a busy machine does not refuse sound files.
  IsolationLimits limits;
  limits.processorSeconds = 60 + static_cast<unsigned>(text.size() >> 14);
  limits.seconds = 10 * limits.processorSeconds;
  limits.extraMemory = (std::size_t(2) << 30) + 200 * text.size();
  std::string handedBack;
  auto failure = FailureInIsolation(work, handedBack, limits);
  if (!failure && made) *made = ReceiveImport(handedBack, local);
  return failure;
}

// The entities the translator's load check fails, read in a child process; empty when
// the reader cannot read the file at all (the statements' own faults must then do).
std::map<long, std::string> TranslatorFaults(const std::string& text, const std::string& local) {
  constexpr const char* kMarker = "faults:";
  auto check = [&] {
    QuietTranslator quiet;
    STEPCAFControl_Reader reader;
    std::istringstream stream(text);
    if (reader.ChangeReader().ReadStream(local.c_str(), stream) != IFSelect_RetDone) return std::string();
    std::string encoded = kMarker;
    for (const LoadFault& fault : CheckLoad(reader.ChangeReader(), text).faults)
      if (!fault.unsetValue) encoded += std::to_string(fault.id) + "\x1f" + fault.why + "\x1e";
    return encoded;
  };
  std::map<long, std::string> faults;
  const auto said = FailureInIsolation(check);
  if (!said || !said->starts_with(kMarker)) return faults;
  std::istringstream in(said->substr(std::string(kMarker).size()));
  for (std::string record; std::getline(in, record, '\x1e');) {
    const size_t split = record.find('\x1f');
    if (split != std::string::npos) faults.emplace(std::atol(record.c_str()), record.substr(split + 1));
  }
  return faults;
}

// Imports the products and components of a damaged file whose entities are all sound.
// A product that still breaks the translator is found by translating each alone, and
// left out too. `crashed`: the whole file broke the translator rather than being refused.
StepImport ReadSoundPart(const std::string& text, const std::string& local, const std::string& hostFolder,
                         const std::string& refusal, bool crashed, UpAxis up) {
  const auto entities = ParseStepEntities(text);
  if (!entities) throw HostError(HostStatus::FileError, refusal);
  const std::map<long, std::string> faults = TranslatorFaults(text, local);
  const std::vector<long> products = ProductsOf(*entities);
  std::set<long> untranslatable;
  for (;;) {
    const SoundStepPart part = SoundPartOf(*entities, faults, untranslatable);
    // Nothing damaged to leave out: the refusal has another cause.
    if (part.skipped.empty() && !crashed) throw HostError(HostStatus::FileError, refusal);
    if (part.keptProducts.empty()) {
      std::string why = refusal;
      const std::string nothing = "; nothing was imported";
      if (why.ends_with(nothing)) why.erase(why.size() - nothing.size());
      throw HostError(HostStatus::FileError, why + "; no product in it is sound" + nothing);
    }
    StepImport imported;
    if (!FailureToTranslate(part.text, local, hostFolder, up, &imported)) {
      imported.skipped = part.skipped;
      return imported;
    }
    const size_t before = untranslatable.size();
    for (long product : part.keptProducts) {
      std::set<long> others(products.begin(), products.end());
      others.erase(product);
      if (FailureToTranslate(SoundPartOf(*entities, faults, others).text, local, hostFolder, up))
        untranslatable.insert(product);
    }
    if (untranslatable.size() == before) throw HostError(HostStatus::FileError, refusal);
  }
}

// When the reader died: "line N: #A: refers to itself through #B, #A; " for a loop of
// references (the translator follows them until its stack runs out), else nothing.
std::string ReferenceLoopOf(const std::string& text) {
  const auto entities = ParseStepEntities(text);
  if (!entities) return {};
  const std::vector<long> loop = ReferenceLoop(*entities);
  if (loop.empty()) return {};
  std::string through;
  for (size_t i = 1; i < loop.size(); ++i) through += (i > 1 ? ", #" : "#") + std::to_string(loop[i]);
  return "line " + std::to_string(entities->byId.at(loop.front()).line) + ": #" + std::to_string(loop.front()) +
         ": refers to itself through " + through + "; ";
}

}  // namespace

std::string PartFileStem(const std::string& gbkName) {
  std::string stem;
  for (size_t i = 0; i < gbkName.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(gbkName[i]);
    if (c >= 0x81 && i + 1 < gbkName.size()) {  // a double-byte character stays whole
      stem += gbkName.substr(i, 2);
      ++i;
    } else if (c < 0x20 || c == 0x7f || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) {
      stem += '_';
    } else {
      stem += static_cast<char>(c);
    }
  }
  // Windows drops trailing dots and spaces from file names.
  while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.pop_back();
  while (!stem.empty() && stem.front() == ' ') stem.erase(stem.begin());
  return stem.empty() ? "part" : stem;
}

StepImport ReadStep(const std::string& stepHostPath, const std::string& hostFolder, DamagedStep damaged,
                    UpAxis up) {
  const std::string local = ToLocalPath(stepHostPath);
  CheckStepFile(local);
  const std::string text = StepText(local);
  if (const auto overlong = UnreadableStepData(text))
    throw HostError(HostStatus::FileError, local + ": " + *overlong + "; nothing was imported");
  StepImport made;
  const auto failure = FailureToTranslate(text, local, hostFolder, up, &made);
  if (!failure) return made;
  const std::string refusal = failure->starts_with(local + ": ")
                                  ? *failure
                                  : local + ": damaged STEP file, " + ReferenceLoopOf(text) + *failure + "; nothing was imported";
  if (damaged == DamagedStep::Refuse) throw HostError(HostStatus::FileError, refusal);
  return ReadSoundPart(text, local, hostFolder, refusal, !failure->starts_with(local + ": "), up);
}

ImportedStep ImportStep(const std::string& stepHostPath, const std::string& hostFolder, DamagedStep damaged,
                        UpAxis up) {
  StepImport imported = ReadStep(stepHostPath, hostFolder, damaged, up);
  SaveParts(imported.parts);
  ImportedStep result;
  for (Part* part : imported.parts) result.written.push_back(part->path);
  result.notes = std::move(imported.notes);
  result.warnings = std::move(imported.warnings);
  result.checkWarnings = std::move(imported.checkWarnings);
  result.skipped = std::move(imported.skipped);
  return result;
}

}  // namespace platform::files
