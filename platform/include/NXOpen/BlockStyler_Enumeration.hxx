// A choice among members ("Value": the member index).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <vector>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT Enumeration : public UIBlock {
public:
  ~Enumeration() override;
  int ValueAsInteger();
  NXString ValueAsString();
  void SetValueAsString(const NXString& value);
  std::vector<NXString> GetEnumMembers();
private:
  friend class BlockDialog;
  Enumeration() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
