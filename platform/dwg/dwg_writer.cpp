// Writing a drawing:
//  1. check the description and convert its texts to the drawing's code page;
//  2. number every object (tables, dictionaries, block records, entities);
//  3. encode each object, then the header variables that point at them;
//  4. lay out the file and write it atomically.
#include "platform/dwg/dwg_writer.h"

#include <map>

#include "platform/dwg/code_page.h"
#include "platform/dwg/entities.h"
#include "platform/dwg/extents.h"
#include "platform/dwg/file_layout.h"
#include "platform/dwg/header_variables.h"
#include "platform/dwg/table_objects.h"
#include "platform/files/atomic_file.h"

namespace platform::dwg {
namespace {

struct LinetypeDefinition {
  const char* name;
  const char* description;
  std::vector<double> dashes;
};

// Proportions of the national drafting standard for 0.5 mm lines: a dash of 12 line
// widths and a gap of 3 for hidden edges; 24, 3, 0.5, 3 for centre lines.
LinetypeDefinition Definition(Linetype linetype) {
  switch (linetype) {
    case Linetype::Continuous: return {"Continuous", "Solid line", {}};
    case Linetype::Dashed: return {"DASHED", "__ __ __ __", {6.0, -1.5}};
    case Linetype::Center: return {"CENTER", "____ _ ____ _", {12.0, -1.5, 0.25, -1.5}};
  }
  return {"Continuous", "Solid line", {}};
}

class Encoder {
 public:
  explicit Encoder(const Drawing& drawing) : drawing_(drawing) {}

  std::vector<uint8_t> Run() {
    NumberTables();
    EncodeTables();
    EncodeBlocks();
    HeaderSettings settings;
    settings.handles = header_;
    settings.handles.nextHandle = next_;
    settings.extents = DrawingExtents(drawing_);
    settings.limits = {drawing_.sheetWidthMm, drawing_.sheetHeightMm};
    settings.createdJulianDay = JulianDayNow();
    return AssembleFile(HeaderVariablesData(settings), objects_, kCodePageChinese);
  }

 private:
  uint32_t New() { return next_++; }

  void NumberTables() {
    HeaderHandles& h = header_;
    h.blockControl = New();
    h.layerControl = New();
    h.styleControl = New();
    h.linetypeControl = New();
    h.viewControl = New();
    h.ucsControl = New();
    h.vportControl = New();
    h.appIdControl = New();
    h.dimstyleControl = New();
    h.vxControl = New();
    h.namedObjects = New();
    h.groupDictionary = New();
    h.mlineStyleDictionary = New();
    h.linetypeByBlock = New();
    h.linetypeByLayer = New();
    h.linetypeContinuous = New();
    linetypes_[Linetype::Continuous] = h.linetypeContinuous;
    for (const Layer& layer : drawing_.layers)
      if (!linetypes_.count(layer.linetype)) linetypes_[layer.linetype] = New();
    h.currentLayer = New();  // layer 0
    for (const Layer& layer : drawing_.layers) layers_[layer.name] = New();
    standardStyle_ = New();
    h.textStyle = New();
    appId_ = New();
    h.modelSpace = New();
    h.paperSpace = New();
  }

  void EncodeTables() {
    const HeaderHandles& h = header_;
    std::vector<uint32_t> linetypeEntries, layerEntries{h.currentLayer};
    for (const auto& [linetype, handle] : linetypes_) linetypeEntries.push_back(handle);
    for (const Layer& layer : drawing_.layers) layerEntries.push_back(layers_.at(layer.name));
    Add(ControlObject(ObjectType::BlockControl, h.blockControl, {}, {h.modelSpace, h.paperSpace}));
    Add(ControlObject(ObjectType::LayerControl, h.layerControl, layerEntries));
    Add(ControlObject(ObjectType::StyleControl, h.styleControl, {standardStyle_, h.textStyle}));
    Add(ControlObject(ObjectType::LinetypeControl, h.linetypeControl, linetypeEntries,
                      {h.linetypeByBlock, h.linetypeByLayer}));
    Add(ControlObject(ObjectType::ViewControl, h.viewControl, {}));
    Add(ControlObject(ObjectType::UcsControl, h.ucsControl, {}));
    Add(ControlObject(ObjectType::VportControl, h.vportControl, {}));
    Add(ControlObject(ObjectType::AppIdControl, h.appIdControl, {appId_}));
    Add(ControlObject(ObjectType::DimstyleControl, h.dimstyleControl, {}));
    Add(ControlObject(ObjectType::VxControl, h.vxControl, {}));
    Add(DictionaryObject(h.namedObjects, 0,
                         {{"ACAD_GROUP", h.groupDictionary}, {"ACAD_MLINESTYLE", h.mlineStyleDictionary}}));
    Add(DictionaryObject(h.groupDictionary, h.namedObjects, {}));
    Add(DictionaryObject(h.mlineStyleDictionary, h.namedObjects, {}));

    Add(LinetypeObject({h.linetypeByBlock, h.linetypeControl, "ByBlock", "", {}}));
    Add(LinetypeObject({h.linetypeByLayer, h.linetypeControl, "ByLayer", "", {}}));
    for (const auto& [linetype, handle] : linetypes_) {
      LinetypeDefinition def = Definition(linetype);
      Add(LinetypeObject({handle, h.linetypeControl, def.name, def.description, def.dashes}));
    }
    Add(LayerObject({h.currentLayer, h.layerControl, h.linetypeContinuous, "0", 7}));
    for (const Layer& layer : drawing_.layers)
      Add(LayerObject({layers_.at(layer.name), h.layerControl, linetypes_.at(layer.linetype),
                       ToDrawingCodePage(layer.name, "layer name"), layer.colour}));
    const TextStyle& style = drawing_.textStyle;
    Add(StyleObject({standardStyle_, h.styleControl, "Standard", "txt", "", 1.0}));
    Add(StyleObject({h.textStyle, h.styleControl, ToDrawingCodePage(style.name, "text style name"),
                     ToDrawingCodePage(style.font, "font name"), ToDrawingCodePage(style.bigFont, "big font name"),
                     style.widthFactor}));
    Add(AppIdObject(appId_, h.appIdControl, "ACAD"));
  }

  // Model space holds the sheet; paper space stays empty.
  void EncodeBlocks() {
    const HeaderHandles& h = header_;
    constexpr uint8_t kModelSpace = 2, kPaperSpace = 1;
    const uint32_t modelBegin = New(), modelEnd = New(), paperBegin = New(), paperEnd = New();
    std::vector<uint32_t> handles(drawing_.entities.size());
    for (uint32_t& handle : handles) handle = New();
    for (size_t i = 0; i < drawing_.entities.size(); ++i) {
      const Entity& entity = drawing_.entities[i];
      EntityCommon common{kModelSpace, layers_.count(entity.layer) ? layers_.at(entity.layer) : h.currentLayer,
                          i > 0 ? handles[i - 1] : 0, i + 1 < handles.size() ? handles[i + 1] : 0};
      Add(EncodeEntity(handles[i], common, entity.geometry, i));
    }
    Add(BlockBeginEntity(modelBegin, {kModelSpace, h.currentLayer, 0, 0}, "*Model_Space"));
    Add(BlockEndEntity(modelEnd, {kModelSpace, h.currentLayer, 0, 0}));
    Add(BlockBeginEntity(paperBegin, {kPaperSpace, h.currentLayer, 0, 0}, "*Paper_Space"));
    Add(BlockEndEntity(paperEnd, {kPaperSpace, h.currentLayer, 0, 0}));
    Add(BlockRecordObject({h.modelSpace, h.blockControl, "*Model_Space", modelBegin, modelEnd,
                           handles.empty() ? 0 : handles.front(), handles.empty() ? 0 : handles.back()}));
    Add(BlockRecordObject({h.paperSpace, h.blockControl, "*Paper_Space", paperBegin, paperEnd, 0, 0}));
  }

  ObjectRecord EncodeEntity(uint32_t handle, const EntityCommon& common, const Geometry& geometry, size_t index) {
    if (const auto* line = std::get_if<Line>(&geometry)) return LineEntity(handle, common, *line);
    if (const auto* arc = std::get_if<Arc>(&geometry)) return ArcEntity(handle, common, *arc);
    if (const auto* circle = std::get_if<Circle>(&geometry)) return CircleEntity(handle, common, *circle);
    if (const auto* polyline = std::get_if<Polyline>(&geometry)) return PolylineEntity(handle, common, *polyline);
    const Text& text = std::get<Text>(geometry);
    return TextEntity(handle, common, text,
                      ToDrawingCodePage(text.utf8, "text of entity " + std::to_string(index + 1)),
                      header_.textStyle, drawing_.textStyle.widthFactor);
  }

  void Add(ObjectRecord record) { objects_.push_back(std::move(record)); }

  const Drawing& drawing_;
  uint32_t next_ = 1;
  HeaderHandles header_;
  std::map<Linetype, uint32_t> linetypes_;
  std::map<std::string, uint32_t> layers_;
  uint32_t standardStyle_ = 0, appId_ = 0;
  std::vector<ObjectRecord> objects_;
};

}  // namespace

std::vector<uint8_t> EncodeDwg(const Drawing& drawing) {
  Validate(drawing);
  return Encoder(drawing).Run();
}

void WriteDwgFile(const Drawing& drawing, const std::string& path) {
  const std::vector<uint8_t> bytes = EncodeDwg(drawing);
  files::WriteFileAtomically(path, path, [&](std::ostream& out) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  });
}

}  // namespace platform::dwg
