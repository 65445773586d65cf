// The parts open in the session.
#pragma once
#include <NXOpen/Part.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT PartCollection {
public:
  Part* Work();     // null when there is none
  Part* Display();  // null when there is none
  // An open part by full path, file name or file name without ".prt" (case ignored);
  // throws NXException naming it when none is open.
  BasePart* FindObject(const NXString& name);
  // Makes a part the work part (it must be the displayed part or one of its components).
  void SetWork(Part* part);

private:
  friend class Session;
  PartCollection() = default;
};

}  // namespace NXOpen
