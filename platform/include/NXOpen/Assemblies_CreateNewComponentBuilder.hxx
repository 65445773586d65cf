// Makes a new component part from bodies of the work part: the part is made from a
// FileNew's template, receives copies of the bodies, and is added to the work part as a
// component at the identity placement, so the copies sit where the bodies were.
#pragma once
#include <NXOpen/Builder.hxx>
#include <NXOpen/FileNew.hxx>
#include <NXOpen/SelectNXObjectList.hxx>

namespace NXOpen {
namespace Assemblies {

class AssemblyManager;

class NXOPENCPPEXPORT CreateNewComponentBuilder : public Builder {
public:
  // Which reference set the new component uses.
  enum ComponentReferenceSetType {
    ComponentReferenceSetTypeModel,
    ComponentReferenceSetTypeEntirePartOnly,
    ComponentReferenceSetTypeOther
  };

  ~CreateNewComponentBuilder() override;
  void SetReferenceSet(ComponentReferenceSetType referenceSet);
  void SetReferenceSetName(const NXString& referenceSetName);
  // Instance name and object name of the new component.
  void SetNewComponentName(const NXString& newComponentName);
  // The bodies to copy into the new part: bodies of the work part or body occurrences
  // below it (copied as placed in the work part). Names, attributes, display and
  // density are kept. Bodies of the work part itself move (they leave it); body occurrences stay.
  SelectNXObjectList* ObjectForNewComponent() { return &objects_; }
  // The new part's settings; the builder does not own it (Destroy it separately, or
  // leave it to the session).
  void SetNewFile(FileNew* newFile);

  // Makes the part (not saved) and the component; returns the new component as seen
  // from the displayed part (an Assemblies::Component). Throws NXException naming what is
  // missing or wrong: no new file, no component name, a file or open part of that path,
  // a missing template, an object that is not a body of the work part.
  NXObject* Commit() override;
  bool Validate() override;

private:
  friend class AssemblyManager;
  explicit CreateNewComponentBuilder(tag_t part) : part_(part) {}

  tag_t part_;
  ComponentReferenceSetType referenceSet_ = ComponentReferenceSetTypeModel;
  NXString referenceSetName_;
  NXString componentName_;
  SelectNXObjectList objects_;
  FileNew* newFile_ = nullptr;
  NXObject* committed_ = nullptr;
};

}  // namespace Assemblies
}  // namespace NXOpen
