// Base of the sheet-metal feature builders: the application context they work in.
#pragma once
#include <NXOpen/Features_FeatureBuilder.hxx>

namespace NXOpen {
namespace Features {
namespace SheetMetal {

enum ApplicationContext {
  ApplicationContextNxSheetMetal,
  ApplicationContextAerospaceSheetMetal,
  ApplicationContextFlexiblePrintedCircuitDesign
};

class NXOPENCPPEXPORT SheetmetalBaseBuilder : public FeatureBuilder {
public:
  ~SheetmetalBaseBuilder() override;
  ApplicationContext GetApplicationContext() const { return context_; }
  void SetApplicationContext(ApplicationContext appContext) { context_ = appContext; }

protected:
  SheetmetalBaseBuilder() = default;
  ApplicationContext context_ = ApplicationContextNxSheetMetal;
};

}  // namespace SheetMetal
}  // namespace Features
}  // namespace NXOpen
