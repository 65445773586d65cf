// Closing unused parts and removing parameters.
#include "assembly/cleanup.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/BasePart.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/Features_RemoveParametersBuilder.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/PartLoadStatus.hxx>
#include <NXOpen/SelectNXObjectList.hxx>
#include <NXOpen/Session.hxx>
#include <uf.h>
#include <uf_assem.h>
#include <uf_part.h>

#include "assembly/new_component.h"
#include "host/gbk_text.h"
#include "host/message.h"
#include "host/assembly_walks.h"
#include "host/part_file_names.h"
#include "host/scoped_destroy.h"
#include "host/uf_session.h"

namespace kzt {

using namespace NXOpen;

namespace {

// As the host compares file names: the first 500 bytes.
std::string ComparedFileName(const std::string& path) { return FileNameOf(path).substr(0, 500); }

// A load status is read before it is deleted: parts the host could not load are named
// by count, with what was being done.
void ReportLoadStatus(PartLoadStatus* status, const std::string& doing) {
  std::unique_ptr<PartLoadStatus> owned(status);
  if (!owned || owned->NumberUnloadedParts() == 0) return;
  char text[700];
  std::snprintf(text, sizeof text, "%s:\n%d 个部件未能加载", doing.c_str(), owned->NumberUnloadedParts());
  show_message(text);
}

void RemoveParameters(Part* part, const std::vector<tag_t>& bodies) {
  Features::RemoveParametersBuilder* builder = part->Features()->CreateRemoveParametersBuilder();
  ScopedDestroy destroy(builder);
  std::vector<NXObject*> objects;
  for (tag_t body : bodies)
    if (auto* object = dynamic_cast<NXObject*>(NXObjectManager::Get(body))) objects.push_back(object);
  builder->Objects()->Add(objects);
  builder->Commit();
}

}  // namespace

void 关闭内存未显示部件() {
  Session* session = Session::GetSession();
  // The displayed part stays displayed and the work part stays the work part.
  Part* displayedPart = session->Parts()->Display();
  Part* work = session->Parts()->Work();
  std::vector<std::string> keep;
  {
    UfSession uf;
    ComponentWalk walk;
    std::vector<tag_t> components;
    得到所有组件的数组(walk, UF_PART_ask_display_part(), components);
    for (tag_t component : components) keep.push_back(ComparedFileName(得到新建组件的路径(component)));
    char displayed[MAX_FSPEC_BUFSIZE] = "";
    UF_PART_ask_part_name(UF_PART_ask_display_part(), displayed);
    keep.push_back(ComparedFileName(displayed));
  }
  // A part the host would not name could be one in use, even the displayed one: when
  // unsure, nothing is closed.
  if (std::find(keep.begin(), keep.end(), std::string()) != keep.end()) return;

  // The collection's iteration takes its list at the start and skips parts closed meanwhile.
  for (Part* part : *session->Parts()) {
    const std::string name = ComparedFileName(part->FullPath().GetLocaleText());
    if (std::find(keep.begin(), keep.end(), name) != keep.end()) continue;
    auto* found = dynamic_cast<Part*>(session->Parts()->FindObject(name));
    if (!found) continue;
    if (found == work) work = displayedPart;
    found->Close(BasePart::CloseWholeTreeFalse, BasePart::CloseModifiedUseResponses, nullptr);
    session->SetUndoMark(Session::MarkVisibilityInvisible, "Change Display Part");
    PartLoadStatus* status = nullptr;
    if (displayedPart) session->Parts()->SetDisplay(displayedPart, false, false, &status);
    ReportLoadStatus(status, displayedPart ? displayedPart->FullPath().GetLocaleText() : std::string());
    if (work && work != displayedPart) session->Parts()->SetWork(work);
  }
}

int 去除参数(tag_t component) {
  Session* session = Session::GetSession();
  char partName[MAX_FSPEC_BUFSIZE] = "", refset[MAX_ENTITY_NAME_BUFSIZE] = "";
  char instanceName[UF_CFI_MAX_FILE_NAME_BUFSIZE] = "";
  std::vector<tag_t> bodies;
  {
    UfSession uf;
    double origin[3], matrix[9], transform[4][4];
    UF_ASSEM_ask_component_data(component, partName, refset, instanceName, origin, matrix, transform);
    得到组件下所有的实体(component, bodies, ComponentBodies::Direct);
  }

  Part* work = session->Parts()->Work();
  auto* target = dynamic_cast<Assemblies::Component*>(
      work->ComponentAssembly()->RootComponent()->FindObject(component_identifier(instanceName)));
  PartLoadStatus* status = nullptr;
  session->Parts()->SetWorkComponent(target, &status);
  ReportLoadStatus(status, partName);
  RemoveParameters(session->Parts()->Work(), bodies);
  return 0;
}

void remove_parameters(tag_t body) { RemoveParameters(Session::GetSession()->Parts()->Work(), {body}); }

}  // namespace kzt
