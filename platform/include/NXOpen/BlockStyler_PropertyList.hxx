// The properties of one dialog block, read and written by name ("Value",
// "SelectedObjects", "Show", ...). Returned by GetProperties; the caller deletes it.
// A name the block does not have, or a value of the wrong type, throws NXException.
#pragma once
#include <vector>

#include <NXOpen/NXString.hxx>
#include <NXOpen/Selection.hxx>
#include <NXOpen/TaggedObject.hxx>
#include <NXOpen/ugmath.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT PropertyList {
public:
  virtual ~PropertyList();

  bool GetLogical(const NXString& propertyName);
  void SetLogical(const NXString& propertyName, bool propertyValue);
  int GetInteger(const NXString& propertyName);
  void SetInteger(const NXString& propertyName, int propertyValue);
  double GetDouble(const NXString& propertyName);
  void SetDouble(const NXString& propertyName, double propertyValue);
  NXString GetString(const NXString& propertyName);
  void SetString(const NXString& propertyName, const NXString& propertyValue);
  std::vector<NXString> GetStrings(const NXString& propertyName);
  void SetStrings(const NXString& propertyName, const std::vector<NXString>& propertyValue);

  int GetEnum(const NXString& propertyName);
  void SetEnum(const NXString& propertyName, int propertyValue);
  NXString GetEnumAsString(const NXString& propertyName);
  void SetEnumAsString(const NXString& propertyName, const NXString& propertyValue);
  std::vector<NXString> GetEnumMembers(const NXString& propertyName);
  void SetEnumMembers(const NXString& propertyName, const std::vector<NXString>& members);

  std::vector<TaggedObject*> GetTaggedObjectVector(const NXString& propertyName);
  void SetTaggedObjectVector(const NXString& propertyName, const std::vector<TaggedObject*>& objects);

  Point3d GetPoint(const NXString& propertyName);
  void SetPoint(const NXString& propertyName, const Point3d& propertyValue);
  Vector3d GetVector(const NXString& propertyName);
  void SetVector(const NXString& propertyName, const Vector3d& propertyValue);
  std::vector<int> GetIntegerVector(const NXString& propertyName);
  void SetIntegerVector(const NXString& propertyName, const std::vector<int>& propertyValue);

  // Which objects a selection block takes ("SelectionFilter").
  void SetSelectionFilter(const NXString& propertyName, Selection::SelectionAction action,
                          const std::vector<Selection::MaskTriple>& maskTriples);

  std::vector<NXString> GetPropertyNames();

private:
  friend class UIBlock;
  friend class BlockDialog;
  explicit PropertyList(void* block) : block_(block) {}
  void* block_;  // the toolkit's block
};

}  // namespace BlockStyler
}  // namespace NXOpen
