// A part file open in the session.
#pragma once
#include <NXOpen/NXObject.hxx>
#include <NXOpen/PartSaveStatus.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT BasePart : public NXObject {
public:
  enum SaveComponents { SaveComponentsFalse, SaveComponentsTrue };
  enum CloseAfterSave { CloseAfterSaveFalse, CloseAfterSaveTrue };

  ~BasePart() override;
  NXString FullPath();  // host path, GBK
  NXString Leaf();      // file name without folder and extension
  // Saves the part (and, asked to, its loaded components); the caller deletes the result.
  PartSaveStatus* Save(SaveComponents saveChildComponents, CloseAfterSave close);

protected:
  friend class NXObjectManager;
  explicit BasePart(tag_t tag) : NXObject(tag) {}
};

}  // namespace NXOpen
