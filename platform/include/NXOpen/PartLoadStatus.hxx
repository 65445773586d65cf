// What a call that may load parts reports: the parts it could not load. The caller
// deletes it (or calls Dispose and then deletes it).
#pragma once
#include <NXOpen/NXString.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT PartLoadStatus {
public:
  PartLoadStatus() = default;
  virtual ~PartLoadStatus();
  int NumberUnloadedParts() const { return 0; }  // every part this host shows is in memory
  void Dispose() {}
};

}  // namespace NXOpen
