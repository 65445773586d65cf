// The features of a part.
#pragma once
#include <memory>
#include <vector>

#include <NXOpen/Features_BlockFeatureBuilder.hxx>
#include <NXOpen/Features_Feature.hxx>
#include <NXOpen/Features_RemoveParametersBuilder.hxx>
#include <NXOpen/libnxopencpp_exports.hxx>

typedef unsigned int tag_t;

namespace NXOpen {
class Part;
namespace Features {
namespace SheetMetal { class SheetmetalManager; }

class NXOPENCPPEXPORT FeatureCollection {
public:
  ~FeatureCollection();
  NXOpen::Features::SheetMetal::SheetmetalManager* SheetmetalManager();
  // The part's live features in creation order.
  std::vector<Feature*> GetFeatures();
  // A builder that removes the parameters of bodies of this part; end it with Destroy().
  RemoveParametersBuilder* CreateRemoveParametersBuilder();
  // A builder for a new block (null) or for redefining that block feature of this part.
  BlockFeatureBuilder* CreateBlockFeatureBuilder(Feature* block);

private:
  friend class NXOpen::Part;
  explicit FeatureCollection(tag_t part);
  tag_t part_;
  std::unique_ptr<NXOpen::Features::SheetMetal::SheetmetalManager> sheetmetal_;
};

}  // namespace Features
}  // namespace NXOpen
