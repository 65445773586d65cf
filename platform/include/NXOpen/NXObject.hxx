// A host object with a name and attributes. Occurrences answer with their own values
// and fall back to their prototype's, as the host does.
#pragma once
#include <NXOpen/NXString.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT NXObject : public TaggedObject {
public:
  ~NXObject() override;
  NXString Name();
  void SetName(const NXString& name);
  bool IsOccurrence();
  // How a journal names the object: "COMPONENT <name> 1" for a component, the feature
  // name ("BLOCK(10042)") for a feature, the file name without ".prt" for a part,
  // "HANDLE R-<tag>" for anything else.
  NXString JournalIdentifier();
  // A string attribute's value; throws NXException naming the title when there is none.
  NXString GetStringAttribute(const NXString& title);
  bool HasUserAttribute(const NXString& title);
  void SetAttribute(const NXString& title, const NXString& value);
  void DeleteAttribute(const NXString& title);

protected:
  friend class NXObjectManager;
  explicit NXObject(tag_t tag) : TaggedObject(tag) {}
};

}  // namespace NXOpen
