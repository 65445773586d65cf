// What every dialog class shares, written once: creating the dialog and registering
// the callbacks a class has, the modal show, the "Block Styler" error box, OK through
// Apply, and the launcher. Each class keeps its own members and forwards here.
#pragma once
#include <exception>
#include <stdexcept>
#include <string>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_CompositeBlock.hxx>
#include <NXOpen/Callback.hxx>
#include <NXOpen/UI.hxx>

namespace kzt {

inline constexpr const char* kErrorBoxTitle = "Block Styler";

// The framework's one way of reporting a failure.
void show_error_box(const std::exception& ex);

// Host part clean-up (UF_PART_cleanup, option 1).
void host_part_cleanup();

// Registers a class's callbacks on its dialog, in the host's fixed order, each only if
// the class has it.
template <class D>
void register_callbacks(NXOpen::BlockStyler::BlockDialog* dialog, D* self) {
  using NXOpen::make_callback;
  if constexpr (requires { &D::apply_cb; }) dialog->AddApplyHandler(make_callback(self, &D::apply_cb));
  if constexpr (requires { &D::ok_cb; }) dialog->AddOkHandler(make_callback(self, &D::ok_cb));
  if constexpr (requires { &D::update_cb; }) dialog->AddUpdateHandler(make_callback(self, &D::update_cb));
  if constexpr (requires { &D::filter_cb; }) dialog->AddFilterHandler(make_callback(self, &D::filter_cb));
  if constexpr (requires { &D::cancel_cb; }) dialog->AddCancelHandler(make_callback(self, &D::cancel_cb));
  if constexpr (requires { &D::initialize_cb; })
    dialog->AddInitializeHandler(make_callback(self, &D::initialize_cb));
  if constexpr (requires { &D::dialogShown_cb; })
    dialog->AddDialogShownHandler(make_callback(self, &D::dialogShown_cb));
}

// Loads the dialog file and registers the class's callbacks. Throws when the file
// cannot be loaded; nothing is left allocated then.
template <class D>
NXOpen::BlockStyler::BlockDialog* create_dialog(NXOpen::UI* ui, const char* dialogFile, D* self) {
  NXOpen::BlockStyler::BlockDialog* dialog = ui->CreateDialog(dialogFile);
  try {
    register_callbacks(dialog, self);
  } catch (...) {
    delete dialog;
    throw;
  }
  return dialog;
}

// The block `id` as the kind the class uses it. The host throws, naming the file, when
// the file lacks the block; this throws when the file holds it as another kind. Called
// from initialize_cb, which lets both go to the host: it then does not show the dialog,
// whose callbacks would use a block it does not have, and Show's error box says why.
template <class T>
T* find_block(NXOpen::BlockStyler::CompositeBlock* top, const char* id) {
  NXOpen::BlockStyler::UIBlock* block = top->FindBlock(id);
  if (T* typed = dynamic_cast<T*>(block)) return typed;
  throw std::runtime_error(std::string("block \"") + id + "\" is a " + block->Type().GetText() +
                           ", of no use where the dialog needs it");
}

// A class's Show: modal, response ignored, a standard exception ends in the error box.
int show_dialog(NXOpen::BlockStyler::BlockDialog* dialog);

// Runs a callback's body; a standard exception ends in the error box and `failure`.
template <class F>
int guarded(F&& body, int failure) {
  try {
    return body();
  } catch (const std::exception& ex) {
    show_error_box(ex);
    return failure;
  }
}

// ok_cb of the classes whose OK is their Apply.
template <class D>
int ok_through_apply(D* self) {
  return guarded([&] { return self->apply_cb(); }, 1);
}

// The launcher a menu action calls: construct, show, destroy; always returns 0.
template <class D>
int launch_dialog() {
  D* dialog = nullptr;
  try {
    dialog = new D();
    dialog->Show();
  } catch (const std::exception& ex) {
    show_error_box(ex);
  }
  delete dialog;
  return 0;
}

}  // namespace kzt
