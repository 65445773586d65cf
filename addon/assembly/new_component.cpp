// New component parts: FileNew and the new-component builder with the fixed settings,
// saving, and restructuring under a parent.
#include "assembly/new_component.h"

#include <exception>
#include <memory>

#include <NXOpen/Assemblies_AssemblyManager.hxx>
#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/Assemblies_CreateNewComponentBuilder.hxx>
#include <NXOpen/BasePart.hxx>
#include <NXOpen/ErrorList.hxx>
#include <NXOpen/FileNew.hxx>
#include <NXOpen/NXMessageBox.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/PartSaveStatus.hxx>
#include <NXOpen/SelectNXObjectList.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_assem.h>
#include <uf_obj.h>
#include <uf_part.h>

#include "host/message.h"
#include "host/scoped_destroy.h"
#include "host/uf_session.h"

namespace kzt {

using namespace NXOpen;

std::string component_identifier(const std::string& name) { return "COMPONENT " + name + " 1"; }

tag_t create_component(const std::string& name, const std::string& path, const std::vector<tag_t>& bodies) {
  Session* session = Session::GetSession();
  Part* work = session->Parts()->Work();
  FileNew* fileNew = session->Parts()->FileNew();
  ScopedDestroy destroyFileNew(fileNew);
  fileNew->SetTemplateFileName("model-plain-1-mm-template.prt");
  fileNew->SetApplication(FileNewApplicationModeling);
  fileNew->SetUnits(1);
  fileNew->SetRelationType("");
  fileNew->SetUsesMasterModel("No");
  fileNew->SetTemplateType(FileNewTemplateTypeItem);
  fileNew->SetNewFileName(path);
  fileNew->SetMasterFileName("");
  fileNew->SetUseBlankTemplate(false);
  fileNew->SetMakeDisplayedPart(false);

  Assemblies::CreateNewComponentBuilder* builder = work->AssemblyManager()->CreateNewComponentBuilder();
  ScopedDestroy destroyBuilder(builder);  // destroyed before the FileNew it uses
  builder->SetReferenceSet(Assemblies::CreateNewComponentBuilder::ComponentReferenceSetTypeEntirePartOnly);
  builder->SetReferenceSetName("整个部件");
  builder->SetNewComponentName(name);
  std::vector<NXObject*> objects;
  for (tag_t body : bodies)
    if (auto* object = dynamic_cast<NXObject*>(NXObjectManager::Get(body))) objects.push_back(object);
  builder->ObjectForNewComponent()->Add(objects);
  builder->SetNewFile(fileNew);
  NXObject* component = builder->Commit();
  return component ? component->Tag() : NULL_TAG;
}

void 保存组件(const std::string& name, const std::string& path) {
  try {
    auto* part = dynamic_cast<Part*>(Session::GetSession()->Parts()->FindObject(name));
    if (!part) throw std::runtime_error(name + " is not a part");
    std::unique_ptr<PartSaveStatus> status(part->Save(BasePart::SaveComponentsTrue, BasePart::CloseAfterSaveFalse));
  } catch (const std::exception& ex) {
    UI::GetUI()->NXMessageBox()->Show("新模装配树", NXMessageBox::DialogTypeError, ex.what());
  }
}

tag_t move_under_parent(const std::string& parentStem, tag_t component, tag_t parent) {
  Session* session = Session::GetSession();
  Part* work = session->Parts()->Work();
  session->SetUndoMark(Session::MarkVisibilityInvisible, "Drag and Drop Components");
  auto* parentPart = dynamic_cast<Part*>(session->Parts()->FindObject(parentStem));
  auto* moved = dynamic_cast<Assemblies::Component*>(NXObjectManager::Get(component));
  auto* parentComponent = dynamic_cast<Assemblies::Component*>(NXObjectManager::Get(parent));
  std::vector<Assemblies::Component*> components{moved};
  std::vector<Assemblies::Component*> newComponents;
  ErrorList* errors = nullptr;
  (parentPart ? parentPart : work)
      ->ComponentAssembly()
      ->RestructureComponents(components, parentComponent, true, newComponents, &errors);
  std::unique_ptr<ErrorList> owned(errors);
  if (owned && owned->Length() > 0) {
    std::string text = std::string(moved ? moved->JournalIdentifier().GetLocaleText() : "?") + " 未能移到 " +
                       (parentComponent ? parentComponent->JournalIdentifier().GetLocaleText() : "?") + " 之下:";
    for (int i = 0; i < owned->Length(); ++i) text += "\n" + std::string(owned->GetErrorMessage(i).GetLocaleText());
    show_message(text);
    return NULL_TAG;
  }
  return newComponents.empty() || !newComponents.front() ? NULL_TAG : newComponents.front()->Tag();
}

void 移动组件(const std::string& parentStem, const std::string& newIdentifier, const std::string& parentIdentifier) {
  Session* session = Session::GetSession();
  Assemblies::Component* root = session->Parts()->Work()->ComponentAssembly()->RootComponent();
  auto* moved = dynamic_cast<Assemblies::Component*>(root->FindObject(newIdentifier));
  auto* parent = dynamic_cast<Assemblies::Component*>(root->FindObject(parentIdentifier));
  move_under_parent(parentStem, moved ? moved->Tag() : NULL_TAG, parent ? parent->Tag() : NULL_TAG);
}

void remove_new_component(tag_t component) {
  UfSession uf;
  const tag_t part = UF_ASSEM_ask_prototype_of_occ(component);
  const int deleted = UF_OBJ_delete_object(component);
  if (deleted != 0) {
    report_host_failure("新组件未能从装配中删除:", deleted);
    return;
  }
  if (part != NULL_TAG) UF_PART_close(part, UF_PART_close_scope_this_part, UF_PART_close_mode_unload);
}

}  // namespace kzt
