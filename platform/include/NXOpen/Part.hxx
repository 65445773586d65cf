// A modelling part.
#pragma once
#include <memory>

#include <NXOpen/Assemblies_AssemblyManager.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/BasePart.hxx>
#include <NXOpen/DraftingManager.hxx>
#include <NXOpen/Drafting_SettingsManager.hxx>
#include <NXOpen/Drawings_DraftingViewCollection.hxx>
#include <NXOpen/Drawings_DrawingSheetCollection.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/ModelingViewCollection.hxx>
#include <NXOpen/ViewCollection.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Part : public BasePart {
public:
  ~Part() override;
  NXOpen::Features::FeatureCollection* Features();
  // Assembly operations on this part (new components).
  NXOpen::Assemblies::AssemblyManager* AssemblyManager();
  // This part's assembly structure (root component, restructuring).
  NXOpen::Assemblies::ComponentAssembly* ComponentAssembly();
  // The part's drawing sheets, drafting state and drafting views.
  NXOpen::Drawings::DrawingSheetCollection* DrawingSheets();
  NXOpen::DraftingManager* Drafting();
  NXOpen::Drawings::DraftingViewCollection* DraftingViews();
  // The part's model views and its views as displayed.
  NXOpen::ModelingViewCollection* ModelingViews();
  NXOpen::ViewCollection* Views();
  // Builders that edit the settings of the part's drafting objects.
  NXOpen::Drafting::SettingsManager* SettingsManager();

protected:
  friend class NXObjectManager;
  explicit Part(tag_t tag) : BasePart(tag) {}

private:
  std::unique_ptr<NXOpen::Features::FeatureCollection> features_;
  std::unique_ptr<NXOpen::Assemblies::AssemblyManager> assemblyManager_;
  std::unique_ptr<NXOpen::Assemblies::ComponentAssembly> componentAssembly_;
  std::unique_ptr<NXOpen::Drawings::DrawingSheetCollection> drawingSheets_;
  std::unique_ptr<NXOpen::DraftingManager> drafting_;
  std::unique_ptr<NXOpen::Drawings::DraftingViewCollection> draftingViews_;
  std::unique_ptr<NXOpen::ModelingViewCollection> modelingViews_;
  std::unique_ptr<NXOpen::ViewCollection> views_;
  std::unique_ptr<NXOpen::Drafting::SettingsManager> settingsManager_;
};

}  // namespace NXOpen
