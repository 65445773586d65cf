// What a part save reports: the parts that could not be saved.
#pragma once
#include <NXOpen/libnxopencpp_exports.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT PartSaveStatus {
public:
  PartSaveStatus(int unsaved, NXString firstError) : unsaved_(unsaved), error_(firstError) {}
  virtual ~PartSaveStatus();
  int NumberUnsavedParts() const { return unsaved_; }
  NXString GetErrorMessage() const { return error_; }  // "" when all were saved
  void Dispose() {}

private:
  int unsaved_;
  NXString error_;
};

}  // namespace NXOpen
