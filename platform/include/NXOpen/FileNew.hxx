// The settings of a new part file: which template it copies and where it goes.
// PartCollection::FileNew() makes one; Commit() makes the part, or a component builder
// given it with SetNewFile() makes the part at its own Commit.
#pragma once
#include <NXOpen/Builder.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {

class Part;
class PartCollection;

// The application a new part starts in; only the modelling templates exist on this host.
enum FileNewApplication {
  FileNewApplicationNone,
  FileNewApplicationModeling,
  FileNewApplicationDrafting,
  FileNewApplicationAssemblies
};

// The kind of template.
enum FileNewTemplateType {
  FileNewTemplateTypeNone,
  FileNewTemplateTypeItem,
  FileNewTemplateTypeSpecification,
  FileNewTemplateTypeMaster
};

class NXOPENCPPEXPORT FileNew : public Builder {
public:
  ~FileNew() override;

  // A template file name (looked up in UGII_BASE_DIR\templates) or a full host path.
  void SetTemplateFileName(const NXString& templateFileName);
  void SetApplication(FileNewApplication application);
  void SetUnits(int units);  // 1 millimetres (BasePart::UnitsMillimeters); inches are refused at Commit
  void SetRelationType(const NXString& relationType);
  void SetUsesMasterModel(const NXString& usesMasterModel);  // "No"; "Yes" is refused at Commit
  void SetTemplateType(FileNewTemplateType templateType);
  void SetNewFileName(const NXString& newFileName);  // full host path of the new part
  void SetMasterFileName(const NXString& masterFileName);
  void SetUseBlankTemplate(bool useBlankTemplate);   // true: an empty part, no template read
  void SetMakeDisplayedPart(bool makeDisplayedPart);

  NXString TemplateFileName() const { return template_; }
  NXString NewFileName() const { return newFile_; }
  bool MakeDisplayedPart() const { return makeDisplayed_; }

  // Makes the part (in the session, not on disk until saved) and returns it; a second
  // Commit returns the same part. Throws NXException naming a missing template, a file
  // that already exists or a part of that path that is already open.
  NXObject* Commit() override;
  bool Validate() override;
  Part* GetCommittedPart() const { return made_; }

private:
  friend class PartCollection;
  FileNew();

  NXString template_;
  FileNewApplication application_ = FileNewApplicationModeling;
  int units_ = 1;
  NXString relationType_;
  NXString usesMasterModel_;
  FileNewTemplateType templateType_ = FileNewTemplateTypeItem;
  NXString newFile_;
  NXString masterFile_;
  bool blank_ = false;
  bool makeDisplayed_ = true;
  Part* made_ = nullptr;
  PartCollection* collection_ = nullptr;
};

}  // namespace NXOpen
