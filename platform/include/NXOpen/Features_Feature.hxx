// A modelling feature.
#pragma once
#include <NXOpen/DisplayableObject.hxx>

namespace NXOpen {
class NXObjectManager;
namespace Features {

class NXOPENCPPEXPORT Feature : public DisplayableObject {
public:
  ~Feature() override;
  NXString FeatureType();  // "SHEET_METAL", "FLAT_SOLID", "LINKED_BODY", ...
  NXString GetFeatureName();  // type and tag, e.g. "FLAT_SOLID(10042)"

protected:
  friend class NXOpen::NXObjectManager;
  explicit Feature(tag_t tag) : DisplayableObject(tag) {}
};

}  // namespace Features
}  // namespace NXOpen
