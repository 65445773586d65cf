// STEP export:
//   1. build an XCAF document: a product per part (named after its file), components
//      with their placements, bodies as named, coloured, layered sub-shapes,
//   2. translate it with the XCAF writer,
//   3. put back what the writer leaves out: body names on their solids and instance
//      names on the assembly usages,
//   4. write the STEP text, its names escaped to ASCII, beside the target and rename
//      it into place.
#include "platform/files/step_export.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include <BRepBuilderAPI_Copy.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRep_Builder.hxx>
#include <Interface_Static.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPConstruct.hxx>
#include <Standard_Failure.hxx>
#include <StepBasic_Product.hxx>
#include <StepBasic_ProductDefinition.hxx>
#include <StepBasic_ProductDefinitionFormation.hxx>
#include <StepData_Protocol.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <StepRepr_NextAssemblyUsageOccurrence.hxx>
#include <StepRepr_RepresentationItem.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TDF_Label.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Iterator.hxx>
#include <Transfer_FinderProcess.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_LayerTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <XSControl_TransferWriter.hxx>
#include <XSControl_WorkSession.hxx>

#include "platform/base/host_error.h"
#include "platform/files/atomic_file.h"
#include "platform/files/part_file.h"
#include "platform/files/step_support.h"
#include "platform/geometry/body.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"

namespace platform::files {

namespace {

// Booleans leave a solid wrapped in a compound; STEP should see the solid itself.
TopoDS_Shape Unwrapped(const TopoDS_Shape& shape) {
  TopoDS_Shape inner = shape;
  while (inner.ShapeType() == TopAbs_COMPOUND) {
    TopoDS_Iterator it(inner);
    if (!it.More()) break;
    TopoDS_Shape only = it.Value();
    it.Next();
    if (it.More()) break;
    inner = only;  // the iterator has already composed the compound's location
  }
  return inner;
}

// A copy with its placement built into the geometry: the writer drops the location
// of a solid placed directly in a product's compound.
TopoDS_Shape OwnCopy(const TopoDS_Shape& shape) {
  if (shape.Location().IsIdentity()) return BRepBuilderAPI_Copy(shape).Shape();
  return BRepBuilderAPI_Transform(shape.Located(TopLoc_Location()), shape.Location().Transformation(), true)
      .Shape();
}

std::string ProductNameOf(const Part& part) { return text::ToUtf8Lossy(HostFileStem(part.path)); }

struct NamedShape {
  TopoDS_Shape shape;
  std::string utf8Name;
};

class DocumentBuilder {
public:
  explicit DocumentBuilder(const Handle(TDocStd_Document)& doc)
      : shapes_(XCAFDoc_DocumentTool::ShapeTool(doc->Main())),
        colors_(XCAFDoc_DocumentTool::ColorTool(doc->Main())),
        layers_(XCAFDoc_DocumentTool::LayerTool(doc->Main())) {}

  TDF_Label LabelFor(Part& part) {
    if (auto it = labels_.find(&part); it != labels_.end()) return it->second;
    if (std::find(stack_.begin(), stack_.end(), &part) != stack_.end())
      throw HostError(HostStatus::InvalidArgument,
                      ShownPath(part.path) + ": the part is a component of itself");
    stack_.push_back(&part);
    const std::string product = UniqueProductName(ProductNameOf(part));
    TDF_Label label;
    if (part.Instances().empty()) {
      label = BodiesLabel(part, product);
    } else {
      label = shapes_->NewShape();
      TDataStd_Name::Set(label, TCollection_ExtendedString(product.c_str(), true));
      if (HasBodies(part)) {
        const TDF_Label holder = BodiesLabel(part, UniqueProductName(product + " (bodies)"));
        AddComponent(label, product, holder, kOwnBodiesInstance, Transform::Identity());
      }
      for (const Instance& instance : part.Instances()) {
        Part& child = ComponentPart(part, instance);
        const TDF_Label childLabel = LabelFor(child);
        const std::string name = text::ToUtf8Lossy(instance.instanceName.empty() ? HostFileStem(child.path)
                                                                                  : instance.instanceName);
        AddComponent(label, product, childLabel, name, instance.transform);
      }
    }
    stack_.pop_back();
    labels_[&part] = label;
    return label;
  }

  void Finish() { shapes_->UpdateAssemblies(); }

  // What the writer does not carry over by itself, applied to its model.
  void NameEntities(STEPCAFControl_Writer& writer) const {
    Handle(Transfer_FinderProcess) finder = writer.ChangeWriter().WS()->TransferWriter()->FinderProcess();
    for (const NamedShape& body : bodies_) {
      if (body.utf8Name.empty()) continue;
      TopLoc_Location where;
      Handle(StepRepr_RepresentationItem) item = STEPConstruct::FindEntity(finder, body.shape, where);
      if (!item.IsNull()) item->SetName(new TCollection_HAsciiString(body.utf8Name.c_str()));
    }
    // Usages come out in the order their components were added, per pair of products.
    std::map<std::pair<std::string, std::string>, size_t> next;
    Handle(StepData_StepModel) model = writer.ChangeWriter().Model();
    for (int i = 1; i <= model->NbEntities(); ++i) {
      auto usage = Handle(StepRepr_NextAssemblyUsageOccurrence)::DownCast(model->Value(i));
      if (usage.IsNull()) continue;
      const auto key = std::make_pair(ProductOf(usage->RelatingProductDefinition()),
                                      ProductOf(usage->RelatedProductDefinition()));
      auto names = instanceNames_.find(key);
      if (names == instanceNames_.end()) continue;
      size_t& n = next[key];
      if (n < names->second.size())
        usage->SetName(new TCollection_HAsciiString(names->second[n].c_str()));
      ++n;
    }
  }

private:
  static std::string ProductOf(const Handle(StepBasic_ProductDefinition)& definition) {
    if (definition.IsNull() || definition->Formation().IsNull() ||
        definition->Formation()->OfProduct().IsNull() || definition->Formation()->OfProduct()->Name().IsNull())
      return {};
    return definition->Formation()->OfProduct()->Name()->ToCString();
  }

  static bool HasBodies(const Part& part) {
    return std::any_of(part.Objects().begin(), part.Objects().end(),
                       [](const auto& o) { return dynamic_cast<const Body*>(o.get()) != nullptr; });
  }

  std::string UniqueProductName(const std::string& name) {
    std::string unique = name;
    for (int n = 2; !products_.insert(unique).second; ++n) unique = name + "_" + std::to_string(n);
    return unique;
  }

  static Part& ComponentPart(const Part& parent, const Instance& instance) {
    if (Part* open = Session::Get().FindPartByPath(instance.partPath)) return *open;
    try {
      // A component missing below it fails the export when the walk reaches it.
      return OpenPart(instance.partPath);
    } catch (const HostError& e) {
      throw HostError(e.Status(), "component of " + ShownPath(parent.path) + ": " + e.what());
    }
  }

  void AddComponent(const TDF_Label& assembly, const std::string& product, const TDF_Label& child,
                    const std::string& utf8Name, const Transform& transform) {
    gp_Trsf trsf;
    try {
      trsf = ToTrsf(transform);
    } catch (const Standard_Failure&) {
      throw HostError(HostStatus::InvalidArgument,
                      "component " + utf8Name + " of " + product + ": its placement is not a rigid motion");
    }
    // A location built from a transformation, even the identity, keeps every component
    // distinct for the writer.
    const TDF_Label component = shapes_->AddComponent(assembly, child, TopLoc_Location(trsf));
    TDataStd_Name::Set(component, TCollection_ExtendedString(utf8Name.c_str(), true));
    Handle(TDataStd_Name) childName;
    std::string childProduct;
    if (child.FindAttribute(TDataStd_Name::GetID(), childName)) childProduct = ExtendedToUtf8(childName->Get());
    instanceNames_[{product, childProduct}].push_back(utf8Name);
  }

  TDF_Label BodiesLabel(const Part& part, const std::string& product) {
    TopoDS_Compound compound;
    BRep_Builder builder;
    builder.MakeCompound(compound);
    struct Piece {
      TopoDS_Shape shape;
      const Body* body;
    };
    std::vector<Piece> pieces;
    for (const auto& object : part.Objects()) {
      const auto* body = dynamic_cast<const Body*>(object.get());
      if (!body || body->Shape().IsNull()) continue;
      // A copy of its own, so that no two bodies share a solid the writer would merge.
      TopoDS_Shape copy = OwnCopy(Unwrapped(body->Shape()));
      builder.Add(compound, copy);
      pieces.push_back({copy, body});
    }
    const TDF_Label label = shapes_->AddShape(compound, false);
    TDataStd_Name::Set(label, TCollection_ExtendedString(product.c_str(), true));
    for (const Piece& piece : pieces) {
      const TDF_Label sub = shapes_->AddSubShape(label, piece.shape);
      if (sub.IsNull()) continue;
      const Display& display = piece.body->display;
      if (display.color >= 1 && display.color <= kColorCount) {
        const auto rgb = ColorRgb(display.color);
        colors_->SetColor(sub, Quantity_Color(rgb[0], rgb[1], rgb[2], Quantity_TOC_sRGB), XCAFDoc_ColorSurf);
      }
      layers_->SetLayer(sub, TCollection_ExtendedString(std::to_string(display.layer).c_str()));
      // STEP names solids, not bodies: a body of several solids names each.
      const std::string name = text::ToUtf8Lossy(piece.body->name);
      bool named = false;
      for (TopExp_Explorer solid(piece.shape, TopAbs_SOLID); solid.More(); solid.Next(), named = true)
        bodies_.push_back({solid.Current(), name});
      if (!named) bodies_.push_back({piece.shape, name});
    }
    return label;
  }

  Handle(XCAFDoc_ShapeTool) shapes_;
  Handle(XCAFDoc_ColorTool) colors_;
  Handle(XCAFDoc_LayerTool) layers_;
  std::map<Part*, TDF_Label> labels_;
  std::vector<Part*> stack_;
  std::set<std::string> products_;
  std::vector<NamedShape> bodies_;
  std::map<std::pair<std::string, std::string>, std::vector<std::string>> instanceNames_;
};

}  // namespace

void ExportStep(Part& root, const std::string& stepHostPath) {
  const std::string local = ToLocalPath(stepHostPath);
  QuietTranslator quiet;
  XcafDocument doc;
  DocumentBuilder builder(doc.Get());
  builder.LabelFor(root);
  builder.Finish();

  STEPCAFControl_Writer writer;
  writer.SetNameMode(true);
  writer.SetColorMode(true);
  writer.SetLayerMode(true);
  if (!writer.Transfer(doc.Get(), STEPControl_AsIs))
    throw HostError(HostStatus::ModellingFailed,
                    local + ": the STEP translator could not translate " + ShownPath(root.path));
  builder.NameEntities(writer);

  Handle(StepData_StepModel) model = writer.ChangeWriter().Model();
  auto protocol = Handle(StepData_Protocol)::DownCast(writer.ChangeWriter().WS()->Protocol());
  WriteFileAtomically(local, local, [&](std::ostream& out) {
    StepData_StepWriter writer(model);
    writer.SendModel(protocol);
    std::ostringstream text;
    if (!writer.Print(text)) throw HostError(HostStatus::FileError, local + ": the STEP text could not be written");
    // Names in Chinese and other scripts go out escaped, as every STEP reader expects.
    out << EscapeNonAscii(text.str());
  });
}

}  // namespace platform::files
