// A modelling part.
#pragma once
#include <memory>

#include <NXOpen/BasePart.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Part : public BasePart {
public:
  ~Part() override;
  NXOpen::Features::FeatureCollection* Features();

protected:
  friend class NXObjectManager;
  explicit Part(tag_t tag) : BasePart(tag) {}

private:
  std::unique_ptr<NXOpen::Features::FeatureCollection> features_;
};

}  // namespace NXOpen
