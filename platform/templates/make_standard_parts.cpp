// Build tool: writes the standard-part library into the folder given (data/kzt-1/wucanku):
// one part file per standard part in its sub-folder, beside it an isometric preview drawn
// from its body (hidden-line projection, sheet renderer), and the library's own pictures.
//   make_standard_parts FOLDER
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/base/host_error.h"
#include "platform/drafting/hidden_line_projection.h"
#include "platform/drafting/sheet_renderer.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/templates/bmp_picture.h"
#include "platform/templates/standard_parts.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace fs = std::filesystem;
using namespace platform;
using namespace platform::drafting;

namespace {

// Pictures are 240 x 180 pixels: 80 x 60 mm at 76.2 dots per inch.
constexpr double kWidthMm = 80, kHeightMm = 60, kMarginMm = 5;

void WritePicture(const SheetDrawing& sheet, const fs::path& bmp) {
  RenderStyle style;
  style.pngDotsPerInch = 76.2;
  style.visibleWidthMm = 0.4;
  const fs::path png = fs::path(bmp).replace_extension(".png.part");
  RenderPng(sheet, png.string(), style);
  templates::PngToBmp(png.string(), bmp.string());
  fs::remove(png);
}

SheetDrawing Blank(const char* name) {
  SheetDrawing sheet;
  sheet.name = name;
  sheet.widthMm = kWidthMm;
  sheet.heightMm = kHeightMm;
  return sheet;
}

// The isometric view of the body, scaled to fill the picture inside its margin.
SheetDrawing Preview(const templates::StandardPart& part) {
  const ModelView& iso = StandardModelView("Isometric");
  auto project = [&](double scale) {
    HiddenLineProjection projection({{part.shape, gp_Trsf()}}, iso, scale, HlrMethod::Exact);
    if (!projection.Perform()) throw HostError(HostStatus::ModellingFailed, part.fileName + ": " + projection.Failure());
    return projection.Content();
  };
  const ViewContent unit = project(1.0);
  const double scale = std::min((kWidthMm - 2 * kMarginMm) / unit.box.Width(), (kHeightMm - 2 * kMarginMm) / unit.box.Height());
  SheetDrawing sheet = Blank(part.fileName.c_str());
  SheetView view{"Isometric", {}, project(scale), {}, true};
  view.origin = OriginForCentre(view.content, {kWidthMm / 2, kHeightMm / 2});
  sheet.views.push_back(std::move(view));
  return sheet;
}

SheetDrawing Caption(const char* name, const char* text) {
  SheetDrawing sheet = Blank(name);
  sheet.texts.push_back({text, {kWidthMm / 2, kHeightMm / 2}, 7, TextAnchor::MidCentre});
  return sheet;
}

// A folder outline with a tab, for the picture shown when a folder is chosen.
SheetDrawing FolderPicture() {
  SheetDrawing sheet = Blank("floder");
  const Point2 outline[] = {{20, 12}, {60, 12}, {60, 40}, {38, 40}, {34, 46}, {20, 46}, {20, 12}};
  for (size_t i = 0; i + 1 < std::size(outline); ++i) sheet.lines.push_back({outline[i], outline[i + 1], 0.7});
  sheet.texts.push_back({"文件夹", {40, 5}, 4, TextAnchor::BottomCentre});
  return sheet;
}

void WritePart(const templates::StandardPart& standard, const fs::path& file) {
  Part part(ToAbsoluteHostPath(file.string()));
  auto body = std::make_unique<Body>(standard.shape);
  body->name = text::ToGbk(standard.title);
  body->attributes.Set(text::ToGbk("DB_PART_NAME"), text::ToGbk(standard.title));
  body->attributes.Set(text::ToGbk("REMARK"), text::ToGbk("外购件"));
  part.Add(std::move(body));
  part.attributes.Set(text::ToGbk("STANDARD"), text::ToGbk(standard.standard));
  files::SavePart(part, part.path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_standard_parts FOLDER\n");
    return 1;
  }
  try {
    const fs::path library = argv[1];
    fs::create_directories(library);
    for (const auto& standard : templates::StandardParts()) {
      const fs::path folder = library / standard.folder;
      fs::create_directories(folder);
      WritePart(standard, folder / (standard.fileName + ".prt"));
      WritePicture(Preview(standard), folder / (standard.fileName + ".bmp"));
    }
    WritePicture(Caption("welcome", "标准件库"), library / "welcome.bmp");
    WritePicture(Caption("nobitmap", "无预览"), library / "nobitmap.bmp");
    WritePicture(FolderPicture(), library / "floder.bmp");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_standard_parts: %s\n", e.what());
    return 1;
  }
  return 0;
}
