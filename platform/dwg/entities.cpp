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

void Point3(BitWriter& d, const Point& p) { d.Point3(p.x, p.y, 0); }

ObjectType DimensionType(DimensionKind kind) {
  switch (kind) {
    case DimensionKind::Linear: return ObjectType::DimensionLinear;
    case DimensionKind::Aligned: return ObjectType::DimensionAligned;
    case DimensionKind::Radius: return ObjectType::DimensionRadius;
    case DimensionKind::Diameter: return ObjectType::DimensionDiameter;
    case DimensionKind::Angular: return ObjectType::DimensionAngular3Point;
  }
  return ObjectType::DimensionLinear;
}

// The measured value as the format stores it: lengths as shown (model mm), angles in radians.
double StoredMeasurement(const Dimension& d) {
  return d.kind == DimensionKind::Angular ? d.value * kRadiansPerDegree : d.value;
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

ObjectRecord SolidEntity(uint32_t handle, const EntityCommon& common, const Solid& solid) {
  ObjectBuilder b = ObjectBuilder::Entity(ObjectType::Solid, handle, common);
  BitWriter& d = b.Data();
  d.BT(0);  // no thickness
  d.BD(0);  // elevation
  for (const Point& c : solid.corners) d.Raw2D(c.x, c.y);
  d.Raw2D(solid.corners[2].x, solid.corners[2].y);  // a triangle repeats its last corner
  d.BE(0, 0, 1);
  return b.Finish();
}

ObjectRecord DimensionEntity(uint32_t handle, const EntityCommon& common, const Dimension& dim,
                             const std::string& codePageText, uint32_t dimensionStyle, uint32_t block) {
  // Bit 0 clear: the text stays where the picture puts it; bit 1: the block serves this dimension only.
  constexpr uint8_t kUserTextPositionOwnBlock = 2;
  constexpr uint16_t kAttachMiddleCentre = 5, kLineSpacingAtLeast = 1;
  ObjectBuilder b = ObjectBuilder::Entity(DimensionType(dim.kind), handle, common);
  BitWriter& d = b.Data();
  d.Point3(0, 0, 1);  // extrusion
  d.Raw2D(dim.textMidpoint.x, dim.textMidpoint.y);
  d.BD(0);  // elevation
  d.RC(kUserTextPositionOwnBlock);
  d.TV(codePageText);
  d.BD(0);  // text along the dimension line
  d.BD(0);  // horizontal direction
  d.Point3(1, 1, 1);  // block scale
  d.BD(0);  // block rotation
  d.BS(kAttachMiddleCentre);
  d.BS(kLineSpacingAtLeast);
  d.BD(1.0);  // line spacing factor
  d.BD(StoredMeasurement(dim));
  d.Raw2D(0, 0);  // block insertion point: the picture is in sheet coordinates
  switch (dim.kind) {
    case DimensionKind::Linear:
    case DimensionKind::Aligned:
      Point3(d, dim.firstOrigin);
      Point3(d, dim.secondOrigin);
      Point3(d, dim.definition);
      d.BD(0);  // extension lines square to the dimension line
      if (dim.kind == DimensionKind::Linear) d.BD(dim.rotationDeg * kRadiansPerDegree);
      break;
    case DimensionKind::Radius:
      Point3(d, dim.definition);
      Point3(d, dim.arcPoint);
      d.BD(0);  // leader length
      break;
    case DimensionKind::Diameter:
      Point3(d, dim.arcPoint);
      Point3(d, dim.definition);
      d.BD(0);  // leader length
      break;
    case DimensionKind::Angular:
      Point3(d, dim.definition);
      Point3(d, dim.firstOrigin);
      Point3(d, dim.secondOrigin);
      Point3(d, dim.vertex);
      break;
  }
  b.Handles().H({kHardPointer, dimensionStyle});
  b.Handles().H({kHardPointer, block});
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
