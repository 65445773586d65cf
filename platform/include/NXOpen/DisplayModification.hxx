// A change of display (colour, width) applied to a list of objects at once.
#pragma once
#include <vector>

#include <NXOpen/DisplayableObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT DisplayModification {
public:
  virtual ~DisplayModification();
  void SetApplyToAllFaces(bool applyToAllFaces) { allFaces_ = applyToAllFaces; }
  // On: an occurrence's change goes to its prototype in the owning part as well.
  void SetApplyToOwningParts(bool applyToOwningParts) { owningParts_ = applyToOwningParts; }
  void SetNewColor(int color);  // 1..216; checked at Apply; unset: colours stay
  void SetNewTranslucency(int translucency);  // 0..100 percent; checked at Apply; unset: stays
  // Kept but not drawn: the host runs headless, and a body's colour is its faces' colour.
  void SetNewWidth(DisplayableObject::ObjectWidth width) { width_ = width; }
  // Gives each object what was set (an occurrence its own); throws NXException naming
  // the first object it cannot change, after changing none.
  void Apply(const std::vector<DisplayableObject*>& objects);
  void Dispose() {}  // the caller still deletes it

private:
  friend class DisplayManager;
  DisplayModification() = default;
  bool allFaces_ = false, owningParts_ = false;
  int color_ = -1;
  int translucency_ = -1;
  DisplayableObject::ObjectWidth width_ = DisplayableObject::ObjectWidthNormal;
};

class NXOPENCPPEXPORT DisplayManager {
public:
  // A new modification with nothing set; the caller deletes it.
  DisplayModification* NewDisplayModification();

private:
  friend class Session;
  DisplayManager() = default;
};

}  // namespace NXOpen
