// An object the host draws: bodies, faces, features' bodies and their occurrences.
#pragma once
#include <NXOpen/NXObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT DisplayableObject : public NXObject {
public:
  // Line widths; the numbered ones are the host's width values 5 to 13.
  enum ObjectWidth {
    ObjectWidthThin,
    ObjectWidthNormal,
    ObjectWidthThick,
    ObjectWidthOne = 5,
    ObjectWidthTwo,
    ObjectWidthThree,
    ObjectWidthFour,
    ObjectWidthFive,
    ObjectWidthSix,
    ObjectWidthSeven,
    ObjectWidthEight,
    ObjectWidthNine
  };

  ~DisplayableObject() override;
  int Color();  // as the asking part sees it (an occurrence's own colour when it has one)
  int Layer();
  bool IsBlanked();

protected:
  friend class NXObjectManager;
  explicit DisplayableObject(tag_t tag) : NXObject(tag) {}
};

}  // namespace NXOpen
