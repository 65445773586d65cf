// A plain description of one drawing sheet for the DWG writer: layers, a text
// style and flat 2D entities in sheet millimetres. Texts are UTF-8.
#pragma once
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

using Geometry = std::variant<Line, Arc, Circle, Polyline, Text>;

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
// coordinate that is not finite, or text that is not UTF-8.
void Validate(const Drawing& drawing);

}  // namespace platform::dwg
