// The part a base view shows.
#pragma once
#include <NXOpen/NXString.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
class Part;
namespace Drawings {

class NXOPENCPPEXPORT ViewStyleBaseBuilder : public NXOpen::TaggedObject {
public:
  ViewStyleBaseBuilder() : TaggedObject(0) {}
  ~ViewStyleBaseBuilder() override = default;
  NXOpen::Part* Part() { return part_; }
  void SetPart(NXOpen::Part* part) { part_ = part; }
  NXString PartName() { return partName_; }
  void SetPartName(const NXString& partName) { partName_ = partName; }

private:
  NXOpen::Part* part_ = nullptr;
  NXString partName_;
};

}  // namespace Drawings
}  // namespace NXOpen
