// Edits a drawing view's display settings through the work part's settings manager.
#include "drawing/view_style.h"

#include <string>
#include <vector>

#include <NXOpen/Drafting_SettingsManager.hxx>
#include <NXOpen/Drawings_DraftingView.hxx>
#include <NXOpen/Drawings_EditViewSettingsBuilder.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>
#include <uf.h>
#include <uf_draw.h>
#include <uf_obj.h>

#include "host/uf_session.h"

using namespace NXOpen;

namespace kzt {

bool contains_ignoring_case(const std::string& text, const std::string& word) {
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  return lower(text).find(lower(word)) != std::string::npos;
}

}  // namespace kzt

void set_view_style(tag_t view) {
  auto* draftingView = dynamic_cast<Drawings::DraftingView*>(NXObjectManager::Get(view));
  Part* work = Session::GetSession()->Parts()->Work();
  if (!draftingView || !work) return;
  const std::vector<Drawings::DraftingView*> views{draftingView};
  Drawings::EditViewSettingsBuilder* builder = work->SettingsManager()->CreateDrawingEditViewSettingsBuilder(views);
  const std::vector<Drafting::BaseEditSettingsBuilder*> builders{builder};
  work->SettingsManager()->ProcessForMultipleObjectsSettings(builders);
  builder->ViewStyle()->ViewStyleHiddenLines()->SetFont(static_cast<Preferences::Font>(0));
  builder->ViewStyle()->ViewStyleShading()->SetRenderingStyle(static_cast<Preferences::ShadingRenderingStyleOption>(0));
  builder->Commit();
  builder->Destroy();
}

tag_t find_isometric_view(tag_t sheet) {
  const kzt::UfSession uf;
  int count = 0;
  tag_t* views = nullptr;
  UF_DRAW_ask_views(sheet, &count, &views);
  tag_t found = NULL_TAG;
  for (int i = 0; i < count; ++i) {
    char name[UF_OBJ_NAME_BUFSIZE] = "";
    UF_OBJ_ask_name(views[i], name);
    if (kzt::contains_ignoring_case(name, "Isometric")) found = views[i];
  }
  if (views) UF_free(views);
  return found;
}
