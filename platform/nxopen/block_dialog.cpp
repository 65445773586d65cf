// BlockDialog, UIBlock and CompositeBlock: the add-on's view of a toolkit dialog. The
// dialog model does the work; these objects translate callbacks and errors.
#include <map>
#include <memory>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Button.hxx>
#include <NXOpen/BlockStyler_DoubleBlock.hxx>
#include <NXOpen/BlockStyler_DrawingArea.hxx>
#include <NXOpen/BlockStyler_Enumeration.hxx>
#include <NXOpen/BlockStyler_ExpressionBlock.hxx>
#include <NXOpen/BlockStyler_FolderSelection.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_IntegerBlock.hxx>
#include <NXOpen/BlockStyler_Label.hxx>
#include <NXOpen/BlockStyler_LinearDimension.hxx>
#include <NXOpen/BlockStyler_ObjectColorPicker.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_Separator.hxx>
#include <NXOpen/BlockStyler_SpecifyOrientation.hxx>
#include <NXOpen/BlockStyler_SpecifyPoint.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/BlockStyler_Tree.hxx>
#include <NXOpen/NXObjectManager.hxx>

#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_file.h"

using platform::nxopen::Call;
using platform::ui::Block;

namespace NXOpen {
namespace BlockStyler {

struct BlockDialog::Impl {
  std::unique_ptr<platform::ui::Dialog> dialog;
  std::map<const Block*, std::unique_ptr<UIBlock>> blocks;
  std::unique_ptr<CompositeBlock> top;
};

BlockDialog* BlockDialog::Load(const NXString& dialogName) {
  auto impl = std::make_unique<Impl>();
  impl->dialog = Call([&] {
    return platform::ui::ReadDialogFile(platform::ui::FindDialogFile(dialogName.GetText()));
  });
  auto* dialog = new BlockDialog(impl.release());
  Impl& d = *dialog->impl_;
  d.top.reset(new CompositeBlock());
  d.top->block_ = &d.dialog->Top();
  d.top->dialog_ = dialog;
  for (Block* block : d.dialog->AllBlocks()) {
    const std::string& k = block->kind;
    std::unique_ptr<UIBlock> made;
    if (k == "Group") made.reset(new Group());
    else if (k == "Enumeration") made.reset(new Enumeration());
    else if (k == "SelectObject") made.reset(new SelectObject());
    else if (k == "Label") made.reset(new Label());
    else if (k == "FolderSelection") made.reset(new FolderSelection());
    else if (k == "Toggle") made.reset(new Toggle());
    else if (k == "StringBlock") made.reset(new StringBlock());
    else if (k == "Separator") made.reset(new Separator());
    else if (k == "ObjectColorPicker") made.reset(new ObjectColorPicker());
    else if (k == "Button") made.reset(new Button());
    else if (k == "ExpressionBlock") made.reset(new ExpressionBlock());
    else if (k == "DoubleBlock") made.reset(new DoubleBlock());
    else if (k == "IntegerBlock") made.reset(new IntegerBlock());
    else if (k == "LinearDimension") made.reset(new LinearDimension());
    else if (k == "DrawingArea") made.reset(new DrawingArea());
    else if (k == "SpecifyOrientation") made.reset(new SpecifyOrientation());
    else if (k == "SpecifyPoint") made.reset(new SpecifyPoint());
    else if (k == "Tree") {
      auto* tree = new Tree();
      made.reset(tree);
      block->selectNode = [tree](const std::vector<std::string>& path) {
        std::vector<NXString> texts(path.begin(), path.end());
        tree->SelectPath(texts);
      };
      block->chooseMenuItem = [tree](const std::vector<std::string>& path, const std::string& item) {
        tree->ChooseMenuItem(std::vector<NXString>(path.begin(), path.end()), item);
      };
      block->describe = [tree] { return tree->Describe(); };
    } else {
      delete dialog;
      throw NXException(static_cast<int>(platform::HostStatus::NotImplemented),
                        "the toolkit has no class for block kind " + k);
    }
    made->block_ = block;
    d.blocks[block] = std::move(made);
  }
  return dialog;
}

BlockDialog::~BlockDialog() { delete impl_; }

UIBlock* BlockDialog::Wrap(void* block) {
  auto it = impl_->blocks.find(static_cast<const Block*>(block));
  return it == impl_->blocks.end() ? nullptr : it->second.get();
}

void BlockDialog::AddApplyHandler(const Apply& cb) { impl_->dialog->apply = [cb] { return cb(); }; }
void BlockDialog::AddOkHandler(const Ok& cb) { impl_->dialog->ok = [cb] { return cb(); }; }
void BlockDialog::AddCancelHandler(const Cancel& cb) { impl_->dialog->cancel = [cb] { return cb(); }; }
// What initialize throws (a block the file lacks or holds as another kind) keeps the
// dialog from being shown. Its text is the add-on's, GBK; the toolkit's errors are UTF-8.
void BlockDialog::AddInitializeHandler(const Initialize& cb) {
  impl_->dialog->initialize = [cb] {
    try {
      cb();
    } catch (const std::exception& e) {
      throw platform::HostError(platform::HostStatus::FileError, platform::text::ToUtf8Lossy(e.what()));
    }
  };
}
void BlockDialog::AddDialogShownHandler(const DialogShown& cb) { impl_->dialog->shown = [cb] { cb(); }; }

void BlockDialog::AddUpdateHandler(const Update& cb) {
  impl_->dialog->update = [this, cb](Block& block) { return cb(Wrap(&block)); };
}

void BlockDialog::AddFilterHandler(const Filter& cb) {
  impl_->dialog->filter = [this, cb](Block& block, platform::Tag tag) {
    return cb(Wrap(&block), NXObjectManager::Get(tag));
  };
}

BlockDialog::DialogResponse BlockDialog::Show() {
  Call([&] { impl_->dialog->Show(); });
  return impl_->dialog->ClosedByOk() ? DialogResponseOk : DialogResponseCancel;
}

CompositeBlock* BlockDialog::TopBlock() { return impl_->top.get(); }

PropertyList* BlockDialog::GetBlockProperties(const NXString& blockId) {
  return new PropertyList(&Call([&]() -> Block& { return impl_->dialog->Require(blockId.GetText()); }));
}

// ---- UIBlock

UIBlock::~UIBlock() = default;

PropertyList* UIBlock::GetProperties() { return new PropertyList(block_); }
NXString UIBlock::Name() { return NXString(static_cast<Block*>(block_)->id); }
NXString UIBlock::Type() { return NXString(static_cast<Block*>(block_)->kind); }

NXString UIBlock::Label() { return PropertyList(block_).GetString("Label"); }
void UIBlock::SetLabel(const NXString& label) { PropertyList(block_).SetString("Label", label); }
bool UIBlock::Show() { return PropertyList(block_).GetLogical("Show"); }
void UIBlock::SetShow(bool show) { PropertyList(block_).SetLogical("Show", show); }
bool UIBlock::Enable() { return PropertyList(block_).GetLogical("Enable"); }
void UIBlock::SetEnable(bool enable) { PropertyList(block_).SetLogical("Enable", enable); }

CompositeBlock::~CompositeBlock() = default;

UIBlock* CompositeBlock::FindBlock(const NXString& blockId) {
  Block& found = Call([&]() -> Block& { return dialog_->impl_->dialog->Require(blockId.GetText()); });
  return dialog_->Wrap(&found);
}

}  // namespace BlockStyler
}  // namespace NXOpen
