// Edits the style settings of existing drawing views: Commit gives every view of the
// builder the settings that were set, and leaves the others as they are.
#pragma once
#include <vector>

#include <NXOpen/Drafting_BaseEditSettingsBuilder.hxx>
#include <NXOpen/Drawings_ViewStyleBuilder.hxx>

namespace NXOpen {
namespace Drafting {
class SettingsManager;
}
namespace Drawings {

class NXOPENCPPEXPORT EditViewSettingsBuilder : public NXOpen::Drafting::BaseEditSettingsBuilder {
public:
  ~EditViewSettingsBuilder() override;
  ViewStyleBuilder* ViewStyle() { return &style_; }
  // Returns null; throws NXException when a view is gone.
  NXObject* Commit() override;
  bool Validate() override { return !views_.empty(); }

private:
  friend class NXOpen::Drafting::SettingsManager;
  explicit EditViewSettingsBuilder(std::vector<tag_t> views) : views_(std::move(views)) {}
  std::vector<tag_t> views_;
  ViewStyleBuilder style_;
};

}  // namespace Drawings
}  // namespace NXOpen
