// Answers for closing modified parts; this host closes without asking, so it holds none.
#pragma once
#include <NXOpen/libnxopencpp_exports.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT PartCloseResponses {
public:
  PartCloseResponses() = default;
  virtual ~PartCloseResponses();
};

}  // namespace NXOpen
