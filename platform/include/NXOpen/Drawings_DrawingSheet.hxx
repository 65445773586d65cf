// A drawing sheet of a part (host type 62).
#pragma once
#include <NXOpen/NXObject.hxx>

namespace NXOpen {
class NXObjectManager;
namespace Drawings {

class NXOPENCPPEXPORT DrawingSheet : public NXObject {
public:
  ~DrawingSheet() override;

protected:
  friend class NXOpen::NXObjectManager;
  explicit DrawingSheet(tag_t tag) : NXObject(tag) {}
};

}  // namespace Drawings
}  // namespace NXOpen
