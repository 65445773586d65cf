// The session's data-exchange translators.
#pragma once
#include <NXOpen/DxfdwgCreator.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT DexManager {
public:
  // A new export builder; the caller ends it with Destroy().
  DxfdwgCreator* CreateDxfdwgCreator();
};

}  // namespace NXOpen
