// Base of the builders that make a feature.
#pragma once
#include <NXOpen/Builder.hxx>
#include <NXOpen/Features_Feature.hxx>

namespace NXOpen {
namespace Features {

class NXOPENCPPEXPORT FeatureBuilder : public NXOpen::Builder {
public:
  ~FeatureBuilder() override;
  // Commit as the feature it made.
  Feature* CommitFeature();
  Feature* GetFeature() const { return committed_; }  // null before Commit

protected:
  FeatureBuilder() = default;
  Feature* committed_ = nullptr;
};

}  // namespace Features
}  // namespace NXOpen
