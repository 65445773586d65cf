#include "platform/drafting/content_stream.h"

namespace platform::drafting {

namespace {

enum CurveKind : std::uint8_t { kLine = 0, kArc = 1, kPolyline = 2 };

void WritePoint(StreamWriter& out, Point2 p) {
  out.F64(p.x);
  out.F64(p.y);
}

Point2 ReadPoint(StreamReader& in) {
  const double x = in.F64();
  return {x, in.F64()};
}

void WriteCurves(StreamWriter& out, const std::vector<Curve2>& curves) {
  out.U32(static_cast<std::uint32_t>(curves.size()));
  for (const Curve2& curve : curves) {
    if (const auto* line = std::get_if<Line2>(&curve)) {
      out.U8(kLine);
      WritePoint(out, line->start);
      WritePoint(out, line->end);
    } else if (const auto* arc = std::get_if<Arc2>(&curve)) {
      out.U8(kArc);
      WritePoint(out, arc->centre);
      out.F64(arc->radius);
      out.F64(arc->startAngle);
      out.F64(arc->endAngle);
    } else {
      const auto& points = std::get<Polyline2>(curve).points;
      out.U8(kPolyline);
      out.U32(static_cast<std::uint32_t>(points.size()));
      for (Point2 p : points) WritePoint(out, p);
    }
  }
}

std::vector<Curve2> ReadCurves(StreamReader& in) {
  std::vector<Curve2> curves(in.Count(1 + sizeof(std::uint32_t)));  // the shortest: an empty polyline
  for (Curve2& curve : curves) {
    switch (in.U8()) {
      case kLine: {
        const Point2 start = ReadPoint(in);
        curve = Line2{start, ReadPoint(in)};
        break;
      }
      case kArc: {
        Arc2 arc;
        arc.centre = ReadPoint(in);
        arc.radius = in.F64();
        arc.startAngle = in.F64();
        arc.endAngle = in.F64();
        curve = arc;
        break;
      }
      case kPolyline: {
        Polyline2 polyline;
        polyline.points.resize(in.Count(sizeof(Point2)));
        for (Point2& p : polyline.points) p = ReadPoint(in);
        curve = std::move(polyline);
        break;
      }
      default: throw StreamError("view content stream: unknown curve kind");
    }
  }
  return curves;
}

}  // namespace

void StreamWriter::Text(std::string_view text) {
  U32(static_cast<std::uint32_t>(text.size()));
  bytes_.append(text);
}

std::string StreamReader::Text() {
  const std::uint32_t size = Count(1);
  std::string text(bytes_.substr(at_, size));
  at_ += size;
  return text;
}

std::uint32_t StreamReader::Count(std::size_t itemBytes) {
  const std::uint32_t count = U32();
  if (count > (bytes_.size() - at_) / itemBytes) throw StreamError("view content stream: a count beyond its end");
  return count;
}

void WriteContent(StreamWriter& out, const ViewContent& content) {
  WriteCurves(out, content.visible);
  WriteCurves(out, content.hidden);
  out.U8(content.box.empty ? 1 : 0);
  for (double v : {content.box.xmin, content.box.ymin, content.box.xmax, content.box.ymax}) out.F64(v);
}

ViewContent ReadContent(StreamReader& in) {
  ViewContent content;
  content.visible = ReadCurves(in);
  content.hidden = ReadCurves(in);
  content.box.empty = in.U8() != 0;
  content.box.xmin = in.F64();
  content.box.ymin = in.F64();
  content.box.xmax = in.F64();
  content.box.ymax = in.F64();
  return content;
}

}  // namespace platform::drafting
