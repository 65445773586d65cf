// Makes a block feature, or redefines one in place: a corner, an orientation and three
// edge lengths given as expression texts.
#pragma once
#include <NXOpen/Features_FeatureBuilder.hxx>
#include <NXOpen/NXString.hxx>
#include <NXOpen/ugmath.hxx>

namespace NXOpen {
namespace Features {

class FeatureCollection;

class NXOPENCPPEXPORT BlockFeatureBuilder : public FeatureBuilder {
public:
  enum Types { TypesOriginAndEdgeLengths, TypesTwoPointsAndHeight, TypesTwoDiagonalPoints };

  ~BlockFeatureBuilder() override;
  void SetType(Types type);  // origin and edge lengths only
  Types Type() { return type_; }
  Point3d Origin() { return origin_; }
  void SetOrigin(const Point3d& origin) { origin_ = origin; }
  void SetOrientation(const Vector3d& xDirection, const Vector3d& yDirection);
  void SetLength(const NXString& length) { length_ = length; }
  void SetWidth(const NXString& width) { width_ = width; }
  void SetHeight(const NXString& height) { height_ = height; }
  // Makes the block (a new feature and body), or gives the edited feature's body the new
  // shape, keeping both tags. Throws NXException naming a bad length or orientation;
  // nothing is changed then.
  NXObject* Commit() override;
  bool Validate() override;

private:
  friend class FeatureCollection;
  BlockFeatureBuilder(tag_t part, tag_t feature) : part_(part), feature_(feature) {}
  tag_t part_, feature_;
  Types type_ = TypesOriginAndEdgeLengths;
  Point3d origin_;
  Vector3d x_{1, 0, 0}, y_{0, 1, 0};
  NXString length_{"10"}, width_{"10"}, height_{"10"};
};

}  // namespace Features
}  // namespace NXOpen
