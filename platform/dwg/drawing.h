// A plain description of one drawing sheet for the DWG writer: layers, a text
// style and flat 2D entities in sheet millimetres. Texts are UTF-8.
#pragma once
#include <array>
#include <string>
#include <variant>
#include <vector>

namespace platform::dwg {

enum class Linetype { Continuous, Dashed, Center };

struct Layer {
  std::string name;       // UTF-8, e.g. "轮廓"
  int colour = 7;         // colour index 1..255
  Linetype linetype = Linetype::Continuous;
};

struct Point {
  double x = 0, y = 0;
};

struct Line {
  Point start, end;
};

// Counter-clockwise from startDeg to endDeg, degrees from the +X axis.
struct Arc {
  Point centre;
  double radius = 0;
  double startDeg = 0, endDeg = 0;
};

struct Circle {
  Point centre;
  double radius = 0;
};

struct Polyline {
  std::vector<Point> points;
  bool closed = false;
};

enum class HorizontalAlign { Left, Center, Right };
enum class VerticalAlign { Baseline, Bottom, Middle, Top };

// `position` is the alignment point: the baseline start for Left/Baseline,
// otherwise the point the alignment names (e.g. the centre for Center/Middle).
struct Text {
  Point position;
  double height = 3.5;
  std::string utf8;
  double rotationDeg = 0;
  HorizontalAlign horizontal = HorizontalAlign::Left;
  VerticalAlign vertical = VerticalAlign::Baseline;
};

// A filled triangle, as arrowheads are drawn.
struct Solid {
  std::array<Point, 3> corners;
};

// What a dimension draws, computed by the drafting module: its dimension and
// extension lines, arrowheads, arcs (angular dimensions) and texts, in sheet mm.
struct DimensionPicture {
  std::vector<Line> lines;
  std::vector<Solid> solids;
  std::vector<Arc> arcs;
  std::vector<Text> texts;
};

// Linear measures along `rotationDeg`, aligned along the line through the two
// extension-line origins; angular is the three-point form (vertex and two points).
enum class DimensionKind { Linear, Aligned, Radius, Diameter, Angular };

// A dimension with its defining points in sheet mm, as DXF gives them:
//   Linear, Aligned: `definition` on the dimension line (10), `firstOrigin` and
//     `secondOrigin` where the extension lines start (13, 14);
//   Radius: `definition` the centre (10), `arcPoint` on the arc (15);
//   Diameter: `definition` and `arcPoint` the two ends of the diameter on the circle (10, 15);
//   Angular: `definition` on the dimension arc (10), `firstOrigin` and `secondOrigin`
//     on the two legs (13, 14), `vertex` the angle's vertex (15);
//   every kind: `textMidpoint` the middle of its text (11).
// `value` is what it measures: model mm (sheet mm = model mm x `scale`, the view's
// scale) or degrees. `text` is the text as drawn when it is not just the measured
// value ("3×150=450", "4×⌀18"); empty means the measured value.
struct Dimension {
  DimensionKind kind = DimensionKind::Linear;
  double rotationDeg = 0;  // Linear only: direction of the dimension line
  Point definition, firstOrigin, secondOrigin, arcPoint, vertex, textMidpoint;
  double value = 0;
  double scale = 1;
  std::string utf8;  // the text as drawn, empty for the measured value
  double textHeight = 3.5;
  DimensionPicture picture;
};

using Geometry = std::variant<Line, Arc, Circle, Polyline, Text, Solid, Dimension>;

struct Entity {
  std::string layer;  // the name of one of the drawing's layers
  Geometry geometry;
};

// The style every text uses. The default pair of shape fonts is the one drafting
// offices in China use: Latin letters from gbenor.shx, Chinese from the big font gbcbig.shx.
struct TextStyle {
  std::string name = "HZ";
  std::string font = "gbenor.shx";
  std::string bigFont = "gbcbig.shx";
  double widthFactor = 0.7;
};

struct Drawing {
  double sheetWidthMm = 0, sheetHeightMm = 0;
  std::vector<Layer> layers;
  TextStyle textStyle;
  std::vector<Entity> entities;
};

// Throws std::invalid_argument naming the first thing wrong: a sheet without size,
// an unnamed or repeated layer, a bad colour, an entity on an unknown layer, a
// non-positive radius or text height, a polyline of fewer than two points, a
// coordinate that is not finite, or text that is not UTF-8; for a dimension also a
// value or scale that is not positive, defining points that do not measure `value`
// at `scale`, or a picture without a text.
void Validate(const Drawing& drawing);

}  // namespace platform::dwg
