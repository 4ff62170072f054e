// The parameter block life cycle of Get Parameters: create the block with its
// defaults on first use, keep a copy, run the dialog, and restore the copy
// when the dialog ends with anything but OK.
#pragma once

#include "framework/plugin.h"

// Largest parameter block a deliverable may have (the saved copy lives on the
// stack).
enum : uint32_t { kMaxParameterBlockSize = 4096 };

// What to do when the dialog is cancelled, for deliverables that preview.
enum : int32_t {
  kCancelNoUndo = 0,           // nothing was drawn: just restore the block
  kCancelUndoThenRestore = 1,  // remove the preview, then restore the block
  kCancelRestoreThenUndo = 2,  // restore the block, then remove the preview
};

// The block's size is the deliverable's PluginDefinition::parameterBlockSize.
struct ParameterDialog {
  void (*writeDefaults)(void* block);
  const char* dialogName;
  int32_t dialogId;
  DialogInitProc init;
  int32_t cancel;
  // Byte offset of the block's previewCurrent flag, or -1 when it keeps none.
  int32_t previewCurrentOffset;
  // Byte offset of the block's pluginRef, or -1 when it keeps none.
  int32_t pluginRefOffset;
};

// Runs Get Parameters from the block on (after any selection check of the
// deliverable) to the end of the dialog. Returns 0 on OK, kCancelError when
// the dialog ended otherwise, kNoParametersError or a host error. A kept
// handle that cannot hold the block (see HoldsBlock) is treated as no block:
// a new one is made with the defaults and handed to the host in its place.
HostError RunParameterDialog(HostMessage* message, const ParameterDialog* dialog);

// True when the handle has data of at least size bytes. Rationale: a kept
// block comes back from the host as it was stored, possibly by another build
// of the deliverable with a smaller record, or damaged on the way; reading a
// record from it would run past its end.
bool HoldsBlock(MemHandle handle, uint32_t size);

// The block behind a parameter handle.
template <typename Block>
inline Block* BlockOf(MemHandle handle) {
  return handle ? static_cast<Block*>(*handle) : nullptr;
}

// The block of a dialog, through its user data (the parameter handle).
template <typename Block>
inline Block* DialogBlock(DialogRef dialog) {
  return BlockOf<Block>(static_cast<MemHandle>(sDialog->GetDialogUserData(dialog)));
}

template <typename Block>
inline Block* ItemBlock(ItemRef item) {
  return DialogBlock<Block>(sItem->GetItemDialog(item));
}
