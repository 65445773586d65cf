#include "platform/dwg/entities.h"

#include <numbers>

namespace platform::dwg {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

void WritePlaneDefaults(BitWriter& d) {
  d.BT(0);        // no thickness
  d.BE(0, 0, 1);  // in the XY plane
}

uint16_t HorizontalCode(HorizontalAlign a) {
  switch (a) {
    case HorizontalAlign::Left: return 0;
    case HorizontalAlign::Center: return 1;
    case HorizontalAlign::Right: return 2;
  }
  return 0;
}

uint16_t VerticalCode(VerticalAlign a) {
  switch (a) {
    case VerticalAlign::Baseline: return 0;
    case VerticalAlign::Bottom: return 1;
    case VerticalAlign::Middle: return 2;
    case VerticalAlign::Top: return 3;
  }
  return 0;
}

}  // namespace

ObjectRecord LineEntity(uint32_t handle, const EntityCommon& common, const Line& line) {
  ObjectBuilder b = ObjectBuilder::Entity(ObjectType::Line, handle, common);
  BitWriter& d = b.Data();
  d.Bit(true);  // both ends at z = 0
  d.RD(line.start.x);
  d.DD(line.end.x, line.start.x);
  d.RD(line.start.y);
  d.DD(line.end.y, line.start.y);
  WritePlaneDefaults(d);
  return b.Finish();
}

ObjectRecord ArcEntity(uint32_t handle, const EntityCommon& common, const Arc& arc) {
  ObjectBuilder b = ObjectBuilder::Entity(ObjectType::Arc, handle, common);
  BitWriter& d = b.Data();
  d.Point3(arc.centre.x, arc.centre.y, 0);
  d.BD(arc.radius);
  WritePlaneDefaults(d);
  d.BD(arc.startDeg * kRadiansPerDegree);
  d.BD(arc.endDeg * kRadiansPerDegree);
  return b.Finish();
}

ObjectRecord CircleEntity(uint32_t handle, const EntityCommon& common, const Circle& circle) {
  ObjectBuilder b = ObjectBuilder::Entity(ObjectType::Circle, handle, common);
  BitWriter& d = b.Data();
  d.Point3(circle.centre.x, circle.centre.y, 0);
  d.BD(circle.radius);
  WritePlaneDefaults(d);
  return b.Finish();
}

ObjectRecord PolylineEntity(uint32_t handle, const EntityCommon& common, const Polyline& polyline) {
  constexpr uint16_t kClosed = 512;
  ObjectBuilder b = ObjectBuilder::Entity(ObjectType::LwPolyline, handle, common);
  BitWriter& d = b.Data();
  d.BS(polyline.closed ? kClosed : 0);  // no width, elevation, thickness, bulges
  d.BL(static_cast<uint32_t>(polyline.points.size()));
  const Point& first = polyline.points.front();
  d.Raw2D(first.x, first.y);
  for (size_t i = 1; i < polyline.points.size(); ++i) {
    d.DD(polyline.points[i].x, polyline.points[i - 1].x);
    d.DD(polyline.points[i].y, polyline.points[i - 1].y);
  }
  return b.Finish();
}

ObjectRecord TextEntity(uint32_t handle, const EntityCommon& common, const Text& text,
                        const std::string& codePageText, uint32_t style, double widthFactor) {
  ObjectBuilder b = ObjectBuilder::Entity(ObjectType::Text, handle, common);
  BitWriter& d = b.Data();
  d.RC(0);  // every optional field present
  d.RD(0);  // elevation
  d.Raw2D(text.position.x, text.position.y);
  // Readers place aligned text by this second point; left/baseline text by the first.
  d.DD(text.position.x, text.position.x);
  d.DD(text.position.y, text.position.y);
  WritePlaneDefaults(d);
  d.RD(0);  // oblique angle
  d.RD(text.rotationDeg * kRadiansPerDegree);
  d.RD(text.height);
  d.RD(widthFactor);
  d.TV(codePageText);
  d.BS(0);  // not mirrored
  d.BS(HorizontalCode(text.horizontal));
  d.BS(VerticalCode(text.vertical));
  b.Handles().H({kHardPointer, style});
  return b.Finish();
}

ObjectRecord BlockBeginEntity(uint32_t handle, const EntityCommon& common, const std::string& blockName) {
  ObjectBuilder b = ObjectBuilder::Entity(ObjectType::Block, handle, common);
  b.Data().TV(blockName);
  return b.Finish();
}

ObjectRecord BlockEndEntity(uint32_t handle, const EntityCommon& common) {
  return ObjectBuilder::Entity(ObjectType::EndBlock, handle, common).Finish();
}

}  // namespace platform::dwg
