// A modelling part.
#pragma once
#include <memory>

#include <NXOpen/Assemblies_AssemblyManager.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/BasePart.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Part : public BasePart {
public:
  ~Part() override;
  NXOpen::Features::FeatureCollection* Features();
  // Assembly operations on this part (new components).
  NXOpen::Assemblies::AssemblyManager* AssemblyManager();
  // This part's assembly structure (root component, restructuring).
  NXOpen::Assemblies::ComponentAssembly* ComponentAssembly();

protected:
  friend class NXObjectManager;
  explicit Part(tag_t tag) : BasePart(tag) {}

private:
  std::unique_ptr<NXOpen::Features::FeatureCollection> features_;
  std::unique_ptr<NXOpen::Assemblies::AssemblyManager> assemblyManager_;
  std::unique_ptr<NXOpen::Assemblies::ComponentAssembly> componentAssembly_;
};

}  // namespace NXOpen
