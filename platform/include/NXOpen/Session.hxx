// The host session as the object interface shows it.
#pragma once
#include <map>
#include <string>

#include <NXOpen/DexManager.hxx>
#include <NXOpen/DisplayModification.hxx>
#include <NXOpen/NXString.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Update.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Session {
public:
  enum MarkVisibility { MarkVisibilityInvisible, MarkVisibilityVisible, MarkVisibilityAnyVisibility };
  typedef unsigned int UndoMarkId;

  static Session* GetSession();
  PartCollection* Parts();
  // An environment variable's value (GBK); "" when it is not set.
  NXString GetEnvironmentVariableValue(const NXString& name);

  // Switches the application at once: "UG_APP_DRAFTING" or "UG_APP_MODELING"
  // (UF_ask_application_module follows); throws NXException naming an unknown one.
  void ApplicationSwitchImmediate(const NXString& applicationName);

  NXOpen::DisplayManager* DisplayManager();
  // The data-exchange translators (DXF/DWG export).
  NXOpen::DexManager* DexManager();
  // Headless there are no facets to clean up; it does nothing.
  void CleanUpFacetedFacesAndEdges();

  // Marks only name a point: this host cannot roll back to them. Ids start at 1.
  UndoMarkId SetUndoMark(MarkVisibility markVisibility, const NXString& name);
  // Forgets a mark; throws NXException for an id that is not set.
  void DeleteUndoMark(UndoMarkId markId, const NXString& markName);
  NXOpen::Update* UpdateManager();

private:
  Session() = default;
  PartCollection parts_;
  NXOpen::DisplayManager display_;
  NXOpen::DexManager dex_;
  NXOpen::Update update_;
  std::map<UndoMarkId, std::string> marks_;
  UndoMarkId nextMark_ = 1;
};

}  // namespace NXOpen
