// View curves (Point2, radians) as DWG entities (Point, degrees): each kind against the
// figures it was made from, then written and read back by both readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <numbers>

#include <nlohmann/json.hpp>

#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/view_curves_dwg.h"
#include "tests/support/dwg_readers.h"

using namespace platform;
using drafting::Arc2;
using drafting::Line2;
using drafting::Point2;
using drafting::Polyline2;
namespace fs = std::filesystem;
using nlohmann::json;

namespace {

constexpr double kPi = std::numbers::pi;
double Rad(double degrees) { return degrees * kPi / 180; }

// One curve of each kind and direction, placed at a view origin of (100, 200).
const Point2 kOrigin{100, 200};
const Line2 kSlantDown{{0, 0}, {30, -40}};           // a 3-4-5 line, drawn from its top end
const Arc2 kQuarter{{10, 10}, 5, 0, Rad(90)};        // first quadrant
const Arc2 kAcrossZero{{50, 0}, 8, Rad(-30), Rad(30)};  // through 0°, starting below it
const Arc2 kPastATurn{{80, 0}, 6, Rad(300), Rad(400)};  // ends a turn on, at 40°
const Arc2 kLowerHalf{{0, 50}, 4, Rad(180), Rad(360)};  // ends at 360°, not a circle
const Arc2 kCircle{{20, 20}, 3, Rad(-180), Rad(180)};  // a full turn from anywhere
const Polyline2 kZigzag{{{0, 0}, {1, 1}, {2, 0}, {3, 1}}};

struct ExpectedArc {
  double cx, cy, radius, startDeg, endDeg;
};

void ExpectArc(const dwg::Arc& arc, const ExpectedArc& e, const char* which) {
  SCOPED_TRACE(which);
  EXPECT_DOUBLE_EQ(arc.centre.x, e.cx);
  EXPECT_DOUBLE_EQ(arc.centre.y, e.cy);
  EXPECT_DOUBLE_EQ(arc.radius, e.radius);
  EXPECT_NEAR(arc.startDeg, e.startDeg, 1e-9);
  EXPECT_NEAR(arc.endDeg, e.endDeg, 1e-9);
}

// The figures each arc must keep: centres moved by the origin, start in [0, 360), end the
// sweep on from it, in [0, 360) too.
const ExpectedArc kQuarterDwg{110, 210, 5, 0, 90};
const ExpectedArc kAcrossZeroDwg{150, 200, 8, 330, 30};
const ExpectedArc kPastATurnDwg{180, 200, 6, 300, 40};
const ExpectedArc kLowerHalfDwg{100, 250, 4, 180, 0};

}  // namespace

TEST(ViewCurvesToDwg, EachKindKeepsItsPlaceDirectionAndAngles) {
  const dwg::Line line = dwg::ToLine(kSlantDown, kOrigin);
  EXPECT_DOUBLE_EQ(line.start.x, 100);
  EXPECT_DOUBLE_EQ(line.start.y, 200);
  EXPECT_DOUBLE_EQ(line.end.x, 130) << "the line keeps the end it was drawn to";
  EXPECT_DOUBLE_EQ(line.end.y, 160);

  ExpectArc(dwg::ToArc(kQuarter, kOrigin), kQuarterDwg, "quarter");
  ExpectArc(dwg::ToArc(kAcrossZero, kOrigin), kAcrossZeroDwg, "across 0°");
  ExpectArc(dwg::ToArc(kPastATurn, kOrigin), kPastATurnDwg, "past a turn");
  ExpectArc(dwg::ToArc(kLowerHalf, kOrigin), kLowerHalfDwg, "lower half");
  ExpectArc(dwg::ToArc(kCircle, kOrigin), {120, 220, 3, 0, 360}, "a full circle as an arc runs 0 to 360");

  // As entities: a full circle is a circle, every other arc an arc, a polyline keeps its order.
  const auto circle = std::get<dwg::Circle>(dwg::ToGeometry(kCircle, kOrigin));
  EXPECT_DOUBLE_EQ(circle.centre.x, 120);
  EXPECT_DOUBLE_EQ(circle.centre.y, 220);
  EXPECT_DOUBLE_EQ(circle.radius, 3);
  ExpectArc(std::get<dwg::Arc>(dwg::ToGeometry(kAcrossZero, kOrigin)), kAcrossZeroDwg, "across 0° as an entity");
  EXPECT_DOUBLE_EQ(std::get<dwg::Line>(dwg::ToGeometry(kSlantDown)).end.y, -40) << "no origin, no move";
  const auto zigzag = std::get<dwg::Polyline>(dwg::ToGeometry(kZigzag, kOrigin));
  ASSERT_EQ(zigzag.points.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(zigzag.points[i].x, kZigzag.points[i].x + 100) << i;
    EXPECT_DOUBLE_EQ(zigzag.points[i].y, kZigzag.points[i].y + 200) << i;
  }
  EXPECT_FALSE(zigzag.closed);
}

TEST(ViewCurvesToDwg, BothReadersReadEachKindBackAsConverted) {
  dwg::Drawing drawing;
  drawing.sheetWidthMm = 420, drawing.sheetHeightMm = 297;
  drawing.layers = {{"轮廓", 7, dwg::Linetype::Continuous}};
  for (const drafting::Curve2& curve : std::vector<drafting::Curve2>{
           kSlantDown, kQuarter, kAcrossZero, kPastATurn, kLowerHalf, kCircle, kZigzag})
    drawing.entities.push_back({"轮廓", dwg::ToGeometry(curve, kOrigin)});
  const fs::path dir = fs::temp_directory_path() / "fabdoc-view-curves-dwg";
  fs::create_directories(dir);
  const fs::path file = dir / "curves.dwg";
  dwg::WriteDwgFile(drawing, file.string());

  // Angles as the readers give them, radians; compared as directions, whatever turn.
  const auto sameAngle = [](double radians, double degrees) {
    return std::abs(std::remainder(radians - Rad(degrees), 2 * kPi)) < 1e-9;
  };
  for (const char* script : dwg_test::kReaderScripts) {
    SCOPED_TRACE(script);
    const json read = dwg_test::Read(script, file);
    dwg_test::ExpectSameDrawing(read, drawing);
    // Each reader lists the entities in an order of its own: found by type, arcs by centre.
    std::map<std::string, std::vector<json>> byType;
    for (const json& curve : read.at("curves")) byType[curve.at("type").get<std::string>()].push_back(curve);
    ASSERT_EQ(byType["LINE"].size(), 1u) << read.dump();
    ASSERT_EQ(byType["ARC"].size(), 4u);
    ASSERT_EQ(byType["CIRCLE"].size(), 1u);
    ASSERT_EQ(byType["LWPOLYLINE"].size(), 1u);
    const json& line = byType["LINE"][0];
    EXPECT_DOUBLE_EQ(line.at("x1").get<double>(), 100);
    EXPECT_DOUBLE_EQ(line.at("y1").get<double>(), 200);
    EXPECT_DOUBLE_EQ(line.at("x2").get<double>(), 130);
    EXPECT_DOUBLE_EQ(line.at("y2").get<double>(), 160);
    for (const ExpectedArc& expected : {kQuarterDwg, kAcrossZeroDwg, kPastATurnDwg, kLowerHalfDwg}) {
      const auto arc = std::find_if(byType["ARC"].begin(), byType["ARC"].end(), [&](const json& a) {
        return std::abs(a.at("cx").get<double>() - expected.cx) < 1e-9 &&
               std::abs(a.at("cy").get<double>() - expected.cy) < 1e-9;
      });
      ASSERT_NE(arc, byType["ARC"].end()) << "no arc about (" << expected.cx << ", " << expected.cy << ")";
      SCOPED_TRACE(arc->dump());
      EXPECT_NEAR(arc->at("r").get<double>(), expected.radius, 1e-9);
      EXPECT_TRUE(sameAngle(arc->at("start").get<double>(), expected.startDeg));
      EXPECT_TRUE(sameAngle(arc->at("end").get<double>(), expected.endDeg));
    }
    const json& circle = byType["CIRCLE"][0];
    EXPECT_NEAR(circle.at("cx").get<double>(), 120, 1e-9);
    EXPECT_NEAR(circle.at("cy").get<double>(), 220, 1e-9);
    EXPECT_NEAR(circle.at("r").get<double>(), 3, 1e-9);
    const json& points = byType["LWPOLYLINE"][0].at("points");
    ASSERT_EQ(points.size(), 4u);
    EXPECT_NEAR(points[3][0].get<double>(), 103, 1e-9) << "the last point stays last";
    EXPECT_NEAR(points[3][1].get<double>(), 201, 1e-9);
    // Counter-clockwise from 300° to 40° passes 0°: the drawing reaches that arc's far
    // right, x = 180 + 6; run the other way it would stop at 180 + 6 cos 40°.
    EXPECT_NEAR(read.at("extents").at("max")[0].get<double>(), 186, 1e-9);
  }
}
