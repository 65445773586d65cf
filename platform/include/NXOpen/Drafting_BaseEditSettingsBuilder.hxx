// Base of the builders that edit the settings of existing drafting objects.
#pragma once
#include <NXOpen/Builder.hxx>

namespace NXOpen {
namespace Drafting {

class NXOPENCPPEXPORT BaseEditSettingsBuilder : public NXOpen::Builder {
public:
  ~BaseEditSettingsBuilder() override;
};

}  // namespace Drafting
}  // namespace NXOpen
