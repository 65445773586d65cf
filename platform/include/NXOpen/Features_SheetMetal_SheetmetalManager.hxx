// Makes the sheet-metal feature builders of a part.
#pragma once
#include <NXOpen/Features_Feature.hxx>
#include <NXOpen/Features_SheetMetal_ConvertToSheetmetalBuilder.hxx>
#include <NXOpen/Features_SheetMetal_FlatSolidBuilder.hxx>

typedef unsigned int tag_t;

namespace NXOpen {
namespace Features {
class FeatureCollection;
namespace SheetMetal {

class NXOPENCPPEXPORT SheetmetalManager {
public:
  ~SheetmetalManager();
  // Builders for a new feature (null); editing an existing one is not supported and throws.
  // The caller ends each builder with Destroy().
  ConvertToSheetmetalBuilder* CreateConvertToSheetmetalFeatureBuilder(Features::Feature* convertToSheetMetal);
  FlatSolidBuilder* CreateFlatSolidFeatureBuilder(Features::Feature* flatSolid);

private:
  friend class Features::FeatureCollection;
  explicit SheetmetalManager(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace SheetMetal
}  // namespace Features
}  // namespace NXOpen
