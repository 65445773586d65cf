// A part's drafting settings: builders that edit the settings of its drafting objects.
#pragma once
#include <vector>

#include <NXOpen/Drafting_BaseEditSettingsBuilder.hxx>
#include <NXOpen/Drawings_DraftingView.hxx>
#include <NXOpen/Drawings_EditViewSettingsBuilder.hxx>

namespace NXOpen {
class Part;
namespace Drafting {

class NXOPENCPPEXPORT SettingsManager {
public:
  ~SettingsManager() = default;
  // Throws NXException when a view is not a drawing view of this part.
  Drawings::EditViewSettingsBuilder* CreateDrawingEditViewSettingsBuilder(const std::vector<Drawings::DraftingView*>& views);
  // Makes the builders start from their objects' current settings; nothing to merge
  // here, since a builder changes only what is set on it.
  void ProcessForMultipleObjectsSettings(const std::vector<BaseEditSettingsBuilder*>& objectsToProcess);

private:
  friend class NXOpen::Part;
  explicit SettingsManager(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace Drafting
}  // namespace NXOpen
