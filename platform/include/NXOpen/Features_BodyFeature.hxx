// A feature that makes bodies.
#pragma once
#include <vector>

#include <NXOpen/Body.hxx>
#include <NXOpen/Features_Feature.hxx>

namespace NXOpen {
namespace Features {

class NXOPENCPPEXPORT BodyFeature : public Feature {
public:
  ~BodyFeature() override;
  // The live bodies the feature made, in order (none for a sheet-metal conversion).
  std::vector<NXOpen::Body*> GetBodies();

protected:
  friend class NXOpen::NXObjectManager;
  explicit BodyFeature(tag_t tag) : Feature(tag) {}
};

}  // namespace Features
}  // namespace NXOpen
