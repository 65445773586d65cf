// A colour of the session's colour table, as the object interface hands it out.
#pragma once
#include <NXOpen/NXString.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {

class ColorManager;

class NXOPENCPPEXPORT NXColor : public TaggedObject {
public:
  ~NXColor() override = default;
  int Label() const { return number_; }  // its number in the colour table, 1..216
  NXString Name() const { return name_; }

private:
  friend class ColorManager;
  NXColor(int number, const NXString& name) : TaggedObject(0), number_(number), name_(name) {}
  int number_;
  NXString name_;
};

}  // namespace NXOpen
