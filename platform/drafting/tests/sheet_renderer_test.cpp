#include "platform/drafting/sheet_renderer.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <cairo/cairo.h>
#include <gtest/gtest.h>

#include "platform/drafting/hidden_line_projection.h"
#include "platform/drafting/tests/drafting_shapes.h"
#include "platform/base/host_error.h"

namespace {

using namespace platform::drafting;
namespace fs = std::filesystem;

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return output;
  std::array<char, 4096> buffer;
  while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), n);
  pclose(pipe);
  return output;
}

fs::path FreshDir(const std::string& name) {
  const fs::path dir = fs::path(::testing::TempDir()) / ("drafting_" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A sheet with a border, a two-cell title block with Chinese labels and four views.
SheetDrawing TestSheet(const std::string& name, double width, double height, const std::string& label) {
  SheetDrawing sheet;
  sheet.name = name;
  sheet.widthMm = width;
  sheet.heightMm = height;
  const double l = 10, b = 10, r = width - 10, t = height - 10;
  sheet.lines = {{{l, b}, {r, b}, 0.7}, {{r, b}, {r, t}, 0.7}, {{r, t}, {l, t}, 0.7}, {{l, t}, {l, b}, 0.7},
                 {{r - 100, b}, {r - 100, b + 20}}, {{r - 100, b + 20}, {r, b + 20}}, {{r - 50, b}, {r - 50, b + 20}}};
  sheet.texts = {{label, {r - 75, b + 10}, 5, TextAnchor::MidCentre},
                 {"比例 1:2", {r - 25, b + 10}, 3.5, TextAnchor::MidCentre},
                 {name, {l + 5, t - 5}, 5, TextAnchor::TopLeft}};
  // A square tube in four first-angle views: front, top below it, left to its right,
  // isometric at the lower right.
  const TopoDS_Shape tube = drafting_test::SquareTube(60, 5, 120);
  struct Placement {
    const char* view;
    double x, y, scale;
  };
  for (const Placement& p : {Placement{"Front", 0.3, 0.65, 0.5}, Placement{"Top", 0.3, 0.3, 0.5},
                             Placement{"Left", 0.6, 0.65, 0.5}, Placement{"Isometric", 0.6, 0.3, 0.3}}) {
    HiddenLineProjection projection({{tube, gp_Trsf()}}, StandardModelView(p.view), p.scale);
    if (!projection.Perform()) throw std::runtime_error(projection.Failure());
    sheet.views.push_back({p.view, OriginForCentre(projection.Content(), {width * p.x, height * p.y}),
                           projection.Content(), {}, true});
  }
  return sheet;
}

TEST(SheetPdf, TwoSheetsAreTwoPagesOfTheirSizesWithTheirChineseTexts) {
  const fs::path pdf = FreshDir("pdf") / "drawings.pdf";
  RenderPdf({TestSheet("000-1-BASE", 420, 297, "设计"), TestSheet("000-2-PLATE", 210, 297, "审核")}, pdf.string());

  const std::string info = RunCommand("pdfinfo -f 1 -l 2 '" + pdf.string() + "'");
  EXPECT_TRUE(std::regex_search(info, std::regex(R"(Pages: +2\n)"))) << info;
  // Page sizes in points; 1 mm = 72 / 25.4 pt.
  std::regex sizeLine(R"(Page +(\d) size: +([\d.]+) x ([\d.]+) pts)");
  std::vector<std::array<double, 2>> sizes;
  for (std::sregex_iterator it(info.begin(), info.end(), sizeLine), end; it != end; ++it)
    sizes.push_back({std::stod((*it)[2]) * 25.4 / 72, std::stod((*it)[3]) * 25.4 / 72});
  ASSERT_EQ(sizes.size(), 2u) << info;
  EXPECT_NEAR(sizes[0][0], 420, 0.05);
  EXPECT_NEAR(sizes[0][1], 297, 0.05);
  EXPECT_NEAR(sizes[1][0], 210, 0.05);
  EXPECT_NEAR(sizes[1][1], 297, 0.05);

  const std::string first = RunCommand("pdftotext -f 1 -l 1 '" + pdf.string() + "' -");
  const std::string second = RunCommand("pdftotext -f 2 -l 2 '" + pdf.string() + "' -");
  EXPECT_NE(first.find("设计"), std::string::npos) << first;
  EXPECT_NE(first.find("比例 1:2"), std::string::npos) << first;
  EXPECT_NE(first.find("000-1-BASE"), std::string::npos) << first;
  EXPECT_EQ(first.find("审核"), std::string::npos) << first;
  EXPECT_NE(second.find("审核"), std::string::npos) << second;
  EXPECT_FALSE(fs::exists(pdf.string() + ".writing"));
}

TEST(SheetSvgAndPng, SizesFollowTheSheetInMillimetresAndPixels) {
  const fs::path dir = FreshDir("svg_png");
  const SheetDrawing sheet = TestSheet("A4", 210, 297, "设计");
  RenderSvg(sheet, (dir / "a4.svg").string());
  const std::string svg = ReadFile(dir / "a4.svg");
  EXPECT_NE(svg.find("width=\"210mm\""), std::string::npos) << svg.substr(0, 300);
  EXPECT_NE(svg.find("height=\"297mm\""), std::string::npos) << svg.substr(0, 300);

  RenderStyle style;
  style.pngDotsPerInch = 100;
  RenderPng(sheet, (dir / "a4.png").string(), style);
  const std::string png = ReadFile(dir / "a4.png");
  ASSERT_GT(png.size(), 24u);
  ASSERT_EQ(png.substr(1, 3), "PNG");
  auto bigEndian = [&](size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  // 210 mm and 297 mm at 100 dpi.
  EXPECT_EQ(bigEndian(16), 827);
  EXPECT_EQ(bigEndian(20), 1169);
}

TEST(SheetRenderInput, BadSheetsAndUnwritableFilesAreRefusedAndEarlierFilesKept) {
  const fs::path dir = FreshDir("bad");
  const fs::path pdf = dir / "keep.pdf";
  { std::ofstream(pdf) << "earlier drawing"; }

  SheetDrawing zero = TestSheet("ZERO", 210, 297, "设计");
  zero.heightMm = 0;
  EXPECT_THROW(RenderPdf({zero}, pdf.string()), platform::HostError);
  SheetDrawing badText = TestSheet("BADTEXT", 210, 297, "设计");
  badText.texts.push_back({"\xb1\xc8\xc0\xfd", {10, 10}});  // GBK bytes, not UTF-8
  try {
    RenderPdf({badText}, pdf.string());
    ADD_FAILURE() << "a GBK text was accepted";
  } catch (const platform::HostError& error) {
    EXPECT_EQ(error.Status(), platform::HostStatus::InvalidArgument);
    EXPECT_NE(std::string(error.what()).find("BADTEXT"), std::string::npos) << error.what();
  }
  EXPECT_THROW(RenderPdf({}, pdf.string()), platform::HostError);
  EXPECT_EQ(ReadFile(pdf), "earlier drawing");

  const std::string missing = (dir / "no such folder" / "x.pdf").string();
  try {
    RenderPdf({TestSheet("OK", 210, 297, "设计")}, missing);
    ADD_FAILURE() << "a PDF in a missing folder was reported written";
  } catch (const platform::HostError& error) {
    EXPECT_EQ(error.Status(), platform::HostStatus::FileError);
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
  }
  EXPECT_THROW(RenderPng(TestSheet("OK", 210, 297, "设计"), (dir / "no such folder" / "x.png").string()),
               platform::HostError);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace

namespace {

// The colour of the pixel at sheet millimetres (x, y) of a PNG drawn at 100 dpi.
std::array<int, 3> PixelAt(const fs::path& png, double xMm, double yMm, double heightMm) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  const double perMm = 100 / 25.4;
  const int px = static_cast<int>(xMm * perMm), py = static_cast<int>((heightMm - yMm) * perMm);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const auto* pixel = reinterpret_cast<const uint32_t*>(data + py * cairo_image_surface_get_stride(image)) + px;
  const std::array<int, 3> rgb{int((*pixel >> 16) & 0xff), int((*pixel >> 8) & 0xff), int(*pixel & 0xff)};
  cairo_surface_destroy(image);
  return rgb;
}

}  // namespace

TEST(SheetPng, AShadedBodyIsFilledUnderItsEdgesAndAnInvisibleHiddenFontDropsHiddenLines) {
  const fs::path dir = FreshDir("shaded");
  SheetDrawing sheet;
  sheet.widthMm = 100, sheet.heightMm = 100;
  SheetView view;
  view.origin = {50, 50};
  // A 20 mm square in two triangles, one of them clockwise, filled half-clear cyan.
  ShadeFill fill;
  fill.triangles = {{Point2{-10, -10}, Point2{10, -10}, Point2{10, 10}}, {Point2{-10, -10}, Point2{-10, 10}, Point2{10, 10}}};
  fill.rgb = {0, 1, 1};
  fill.opacity = 0.5;
  view.shades.push_back(fill);
  view.content.hidden.push_back(Line2{{-30, 30}, {30, 30}});
  view.hiddenShown = false;
  sheet.views.push_back(view);
  RenderStyle style;
  style.pngDotsPerInch = 100;
  RenderPng(sheet, (dir / "shaded.png").string(), style);
  const auto inside = PixelAt(dir / "shaded.png", 55, 45, 100);
  EXPECT_NEAR(inside[0], 127, 2) << "half of white's red is left";
  EXPECT_EQ(inside[1], 255);
  EXPECT_EQ(inside[2], 255);
  EXPECT_EQ(PixelAt(dir / "shaded.png", 50.2, 50.2, 100), inside) << "the triangles' shared edge is not tinted twice";
  EXPECT_EQ(PixelAt(dir / "shaded.png", 70, 45, 100), (std::array<int, 3>{255, 255, 255})) << "outside the body";
  EXPECT_EQ(PixelAt(dir / "shaded.png", 50, 80, 100), (std::array<int, 3>{255, 255, 255})) << "no hidden line";
  sheet.views[0].hiddenShown = true;
  RenderPng(sheet, (dir / "hidden.png").string(), style);
  bool drawn = false;
  for (double x = 21; x < 79; x += 0.5) drawn |= PixelAt(dir / "hidden.png", x, 80, 100)[0] < 128;
  EXPECT_TRUE(drawn) << "the dashed hidden line is drawn once its font shows";
}
