// A part file open in the session.
#pragma once
#include <memory>

#include <NXOpen/ColorManager.hxx>
#include <NXOpen/NXObject.hxx>
#include <NXOpen/PartCloseResponses.hxx>
#include <NXOpen/PartSaveStatus.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT BasePart : public NXObject {
public:
  enum SaveComponents { SaveComponentsFalse, SaveComponentsTrue };
  enum CloseAfterSave { CloseAfterSaveFalse, CloseAfterSaveTrue };
  enum CloseWholeTree { CloseWholeTreeFalse, CloseWholeTreeTrue };
  // What Close does with a modified part: follow the responses (none given: close it),
  // leave it open, or close it.
  enum CloseModified { CloseModifiedUseResponses, CloseModifiedDontCloseModified, CloseModifiedCloseModified };
  enum Units { UnitsInches, UnitsMillimeters };

  ~BasePart() override;
  NXString FullPath();  // host path, GBK
  NXString Leaf();      // file name without folder and extension
  // Saves the part and, asked to, every component part below it that is modified or
  // not yet on disk, each file atomically. The caller deletes the result.
  PartSaveStatus* Save(SaveComponents saveChildComponents, CloseAfterSave close);
  // Saves the part under a new full path, which it then carries; the open parts that
  // place it refer to the new name (their next save records it). The old file stays.
  // A file that cannot be written is reported in the result (one unsaved part, its
  // message) and the part keeps its old name. The caller deletes the result.
  PartSaveStatus* SaveAs(const NXString& newFileName);
  // Closes the part (an assembly that uses it keeps the component, unloaded); with the
  // whole tree, also the component parts below it that no other open part uses.
  // Unsaved changes are lost. Throws NXException when the part is already closed.
  void Close(CloseWholeTree wholeTree, CloseModified closeModified, PartCloseResponses* responses);
  // The colour table as this part sees it.
  ColorManager* Colors();

protected:
  friend class NXObjectManager;
  explicit BasePart(tag_t tag) : NXObject(tag) {}

private:
  std::unique_ptr<ColorManager> colors_;
};

}  // namespace NXOpen
