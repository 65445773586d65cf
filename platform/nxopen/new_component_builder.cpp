// CreateNewComponentBuilder: a new component part made from bodies of the work part.
#include <NXOpen/Assemblies_AssemblyManager.hxx>
#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>

#include "platform/assemblies/close_parts.h"
#include "platform/assemblies/new_component.h"
#include "platform/nxopen/host_calls.h"

using platform::HostStatus;
using platform::nxopen::Call;
using platform::nxopen::Throw;

namespace NXOpen {
namespace Assemblies {

NXOpen::Assemblies::CreateNewComponentBuilder* AssemblyManager::CreateNewComponentBuilder() {
  platform::nxopen::LivePart(part_);
  return new NXOpen::Assemblies::CreateNewComponentBuilder(part_);
}

CreateNewComponentBuilder::~CreateNewComponentBuilder() = default;

void CreateNewComponentBuilder::SetReferenceSet(ComponentReferenceSetType referenceSet) { referenceSet_ = referenceSet; }
void CreateNewComponentBuilder::SetReferenceSetName(const NXString& name) { referenceSetName_ = name; }
void CreateNewComponentBuilder::SetNewComponentName(const NXString& name) { componentName_ = name; }
void CreateNewComponentBuilder::SetNewFile(FileNew* newFile) { newFile_ = newFile; }

bool CreateNewComponentBuilder::Validate() { return newFile_ && *componentName_.GetText() && newFile_->Validate(); }

NXObject* CreateNewComponentBuilder::Commit() {
  Call([] { platform::CheckHostCall("CreateNewComponentBuilder::Commit"); });
  if (committed_) Throw(HostStatus::InvalidArgument, "new component: the builder was committed already");
  if (!newFile_) Throw(HostStatus::InvalidArgument, "new component: no new file is set (SetNewFile)");
  if (!*componentName_.GetText()) Throw(HostStatus::InvalidArgument, "new component: no component name is set");
  platform::Part& work = platform::nxopen::LivePart(part_);
  std::vector<platform::Object*> bodies;
  for (NXObject* object : objects_.GetArray())
    bodies.push_back(&platform::nxopen::LiveAs<platform::Object>(object->Tag(), "an object"));

  const bool madeHere = newFile_->GetCommittedPart() == nullptr;
  auto* part = dynamic_cast<Part*>(newFile_->Commit());
  platform::Part& made = platform::nxopen::LivePart(part->Tag());
  try {
    platform::ComponentOccurrence& component =
        Call([&]() -> platform::ComponentOccurrence& {
          return platform::MakeComponentFromBodies(work, made, bodies, componentName_.GetText());
        });
    committed_ = dynamic_cast<NXObject*>(NXObjectManager::Get(component.GetTag()));
  } catch (...) {
    if (madeHere) platform::CloseParts(made, false);  // nothing half made stays behind
    throw;
  }
  return committed_;
}

}  // namespace Assemblies
}  // namespace NXOpen
