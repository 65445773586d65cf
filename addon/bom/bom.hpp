// BOM export: the bodies' attributes and masses, row by row, into a copy of the Excel
// template named after the work part, in a folder the user picks.
#pragma once
#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Enumeration.hxx>
#include <NXOpen/BlockStyler_FolderSelection.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_Label.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>

class bom {
public:
  bom();
  ~bom();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  // Writes the bill of materials.
  void AA();

private:
  void show_selection_for_source();

  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group1 = nullptr;
  NXOpen::BlockStyler::Enumeration* enum0 = nullptr;
  NXOpen::BlockStyler::Group* group2 = nullptr;
  NXOpen::BlockStyler::SelectObject* selection0 = nullptr;
  NXOpen::BlockStyler::Label* label0 = nullptr;
  NXOpen::BlockStyler::FolderSelection* filepath = nullptr;
  NXOpen::BlockStyler::Group* group3 = nullptr;
  NXOpen::BlockStyler::Toggle* toggle0 = nullptr;
};

int launch_bom();
