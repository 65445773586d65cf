// FileNew: the settings of a new part file, and the part made from them.
#include <NXOpen/FileNew.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>

#include "platform/files/part_template.h"
#include "platform/nxopen/host_calls.h"

using platform::HostStatus;
using platform::nxopen::Call;
using platform::nxopen::Throw;

namespace NXOpen {

FileNew::FileNew() = default;

FileNew::~FileNew() {
  if (collection_) collection_->fileNews_.erase(this);
}

NXOpen::FileNew* PartCollection::FileNew() {
  auto* settings = new NXOpen::FileNew();
  settings->collection_ = this;
  fileNews_.insert(settings);
  return settings;
}

void FileNew::SetTemplateFileName(const NXString& templateFileName) { template_ = templateFileName; }
void FileNew::SetApplication(FileNewApplication application) { application_ = application; }
void FileNew::SetUnits(int units) { units_ = units; }
void FileNew::SetRelationType(const NXString& relationType) { relationType_ = relationType; }
void FileNew::SetUsesMasterModel(const NXString& usesMasterModel) { usesMasterModel_ = usesMasterModel; }
void FileNew::SetTemplateType(FileNewTemplateType templateType) { templateType_ = templateType; }
void FileNew::SetNewFileName(const NXString& newFileName) { newFile_ = newFileName; }
void FileNew::SetMasterFileName(const NXString& masterFileName) { masterFile_ = masterFileName; }
void FileNew::SetUseBlankTemplate(bool useBlankTemplate) { blank_ = useBlankTemplate; }
void FileNew::SetMakeDisplayedPart(bool makeDisplayedPart) { makeDisplayed_ = makeDisplayedPart; }

bool FileNew::Validate() {
  return made_ || (units_ == BasePart::UnitsMillimeters && std::string(usesMasterModel_.GetText()) != "Yes" &&
                   *newFile_.GetText() && (blank_ || *template_.GetText()));
}

NXObject* FileNew::Commit() {
  if (made_) return made_;
  if (units_ != BasePart::UnitsMillimeters)
    Throw(HostStatus::NotImplemented, "new part: this host makes millimetre parts only (units 1), not units " +
                                          std::to_string(units_));
  if (std::string(usesMasterModel_.GetText()) == "Yes")
    Throw(HostStatus::NotImplemented, "new part: master-model parts are not supported");
  if (!*newFile_.GetText()) Throw(HostStatus::InvalidArgument, "new part: no new file name is set");
  if (!blank_ && !*template_.GetText()) Throw(HostStatus::InvalidArgument, "new part: no template file name is set");
  platform::Part& part =
      Call([&]() -> platform::Part& {
        return platform::files::NewPartFromTemplate(blank_ ? "" : template_.GetText(), newFile_.GetText());
      });
  if (makeDisplayed_) platform::Session::Get().SetDisplayed(&part);
  made_ = dynamic_cast<Part*>(NXObjectManager::Get(part.GetTag()));
  return made_;
}

}  // namespace NXOpen
