// Writing a drawing:
//  1. check the description and convert its texts to the drawing's code page;
//  2. number every object (tables, dictionaries, block records, entities), each
//     dimension with its own anonymous block *Dn holding what it draws;
//  3. encode each object, then the header variables that point at them;
//  4. lay out the file and write it atomically.
#include "platform/dwg/dwg_writer.h"

#include <map>
#include <utility>

#include "platform/dwg/code_page.h"
#include "platform/dwg/dimension_style.h"
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
  explicit Encoder(const Drawing& drawing) : drawing_(drawing), dimensionStyles_(drawing) {}

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
    settings.dimensionStyle = dimensionStyles_.All().front();
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
    for (size_t i = 0; i < dimensionStyles_.All().size(); ++i) dimstyles_.push_back(New());
    h.dimensionStyle = dimstyles_.front();
    appId_ = New();
    h.modelSpace = New();
    h.paperSpace = New();
    for (size_t i = 0; i < drawing_.entities.size(); ++i)
      if (std::holds_alternative<Dimension>(drawing_.entities[i].geometry)) dimensionBlocks_[i] = New();
  }

  void EncodeTables() {
    const HeaderHandles& h = header_;
    std::vector<uint32_t> linetypeEntries, layerEntries{h.currentLayer};
    for (const auto& [linetype, handle] : linetypes_) linetypeEntries.push_back(handle);
    for (const Layer& layer : drawing_.layers) layerEntries.push_back(layers_.at(layer.name));
    std::vector<uint32_t> blockEntries;
    for (const auto& [entity, record] : dimensionBlocks_) blockEntries.push_back(record);
    Add(ControlObject(ObjectType::BlockControl, h.blockControl, blockEntries, {h.modelSpace, h.paperSpace}));
    Add(ControlObject(ObjectType::LayerControl, h.layerControl, layerEntries));
    Add(ControlObject(ObjectType::StyleControl, h.styleControl, {standardStyle_, h.textStyle}));
    Add(ControlObject(ObjectType::LinetypeControl, h.linetypeControl, linetypeEntries,
                      {h.linetypeByBlock, h.linetypeByLayer}));
    Add(ControlObject(ObjectType::ViewControl, h.viewControl, {}));
    Add(ControlObject(ObjectType::UcsControl, h.ucsControl, {}));
    Add(ControlObject(ObjectType::VportControl, h.vportControl, {}));
    Add(ControlObject(ObjectType::AppIdControl, h.appIdControl, {appId_}));
    Add(ControlObject(ObjectType::DimstyleControl, h.dimstyleControl, dimstyles_));
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
    for (size_t i = 0; i < dimstyles_.size(); ++i) {
      const DimensionStyle& dimensionStyle = dimensionStyles_.All()[i];
      Add(DimstyleObject(dimstyles_[i], h.dimstyleControl, dimensionStyle,
                         ToDrawingCodePage(dimensionStyle.name, "dimension style name"), h.textStyle));
    }
    Add(AppIdObject(appId_, h.appIdControl, "ACAD"));
  }

  // Model space holds the sheet; paper space stays empty; each dimension's
  // picture is its own block.
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
    int number = 0;
    for (const auto& [entity, record] : dimensionBlocks_)
      EncodeDimensionBlock(record, "*D" + std::to_string(++number), entity);
  }

  // The picture on layer 0, so that it takes the dimension's layer.
  void EncodeDimensionBlock(uint32_t record, const std::string& name, size_t entity) {
    const DimensionPicture& picture = std::get<Dimension>(drawing_.entities[entity].geometry).picture;
    const uint32_t layer = header_.currentLayer;
    const uint32_t begin = New(), end = New();
    const size_t count = picture.lines.size() + picture.arcs.size() + picture.solids.size() + picture.texts.size();
    std::vector<uint32_t> handles(count);
    for (uint32_t& handle : handles) handle = New();
    size_t i = 0;
    auto common = [&]() {
      EntityCommon c{0, layer, i > 0 ? handles[i - 1] : 0, i + 1 < count ? handles[i + 1] : 0, record};
      return std::pair{handles[i++], c};
    };
    for (const Line& line : picture.lines) {
      const auto [handle, c] = common();
      Add(LineEntity(handle, c, line));
    }
    for (const Arc& arc : picture.arcs) {
      const auto [handle, c] = common();
      Add(ArcEntity(handle, c, arc));
    }
    for (const Solid& solid : picture.solids) {
      const auto [handle, c] = common();
      Add(SolidEntity(handle, c, solid));
    }
    const std::string what = "text of entity " + std::to_string(entity + 1) + " (a dimension)";
    for (const Text& text : picture.texts) {
      const auto [handle, c] = common();
      Add(TextEntity(handle, c, text, ToDrawingText(text.utf8, what), header_.textStyle, drawing_.textStyle.widthFactor));
    }
    Add(BlockBeginEntity(begin, {0, layer, 0, 0, record}, name));
    Add(BlockEndEntity(end, {0, layer, 0, 0, record}));
    BlockRecord block{record, header_.blockControl, name, begin, end,
                      handles.empty() ? 0 : handles.front(), handles.empty() ? 0 : handles.back()};
    block.anonymous = true;
    Add(BlockRecordObject(block));
  }

  ObjectRecord EncodeEntity(uint32_t handle, const EntityCommon& common, const Geometry& geometry, size_t index) {
    if (const auto* line = std::get_if<Line>(&geometry)) return LineEntity(handle, common, *line);
    if (const auto* arc = std::get_if<Arc>(&geometry)) return ArcEntity(handle, common, *arc);
    if (const auto* circle = std::get_if<Circle>(&geometry)) return CircleEntity(handle, common, *circle);
    if (const auto* polyline = std::get_if<Polyline>(&geometry)) return PolylineEntity(handle, common, *polyline);
    const std::string what = "text of entity " + std::to_string(index + 1);
    if (const auto* solid = std::get_if<Solid>(&geometry)) return SolidEntity(handle, common, *solid);
    if (const auto* dimension = std::get_if<Dimension>(&geometry))
      return DimensionEntity(handle, common, *dimension, ToDrawingText(dimension->utf8, what),
                             dimstyles_[dimensionStyles_.IndexOf(*dimension)], dimensionBlocks_.at(index));
    const Text& text = std::get<Text>(geometry);
    return TextEntity(handle, common, text, ToDrawingText(text.utf8, what), header_.textStyle,
                      drawing_.textStyle.widthFactor);
  }

  void Add(ObjectRecord record) { objects_.push_back(std::move(record)); }

  const Drawing& drawing_;
  DimensionStyles dimensionStyles_;
  uint32_t next_ = 1;
  HeaderHandles header_;
  std::map<Linetype, uint32_t> linetypes_;
  std::map<std::string, uint32_t> layers_;
  uint32_t standardStyle_ = 0, appId_ = 0;
  std::vector<uint32_t> dimstyles_;               // one per dimension style, in its order
  std::map<size_t, uint32_t> dimensionBlocks_;    // entity index -> its block record
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
