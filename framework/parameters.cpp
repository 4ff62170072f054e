#include "framework/parameters.h"

#include <string.h>

static void ClearFlag(void* block, int32_t offset) {
  if (offset < 0) return;
  int32_t zero = 0;
  memcpy(static_cast<char*>(block) + offset, &zero, sizeof zero);
}

bool HoldsBlock(MemHandle handle, uint32_t size) {
  if (handle == nullptr || *handle == nullptr) return false;
  uint32_t held = 0;
  return sMemory->GetHandleSize(handle, &held) == kNoError && held >= size;
}

// A new block with the defaults, stored in the message only once it is
// complete, so a failure leaves the host's handle as it was.
static HostError MakeBlock(HostMessage* message, const ParameterDialog* dialog) {
  MemHandle made = nullptr;
  HostError error = sMemory->NewHandle(kPluginDefinition.parameterBlockSize, &made);
  if (error != kNoError) return error;
  if (made == nullptr) return kNoParametersError;
  if (*made == nullptr) {
    sMemory->DisposeHandle(made);
    return kNoParametersError;
  }
  dialog->writeDefaults(*made);
  message->parameters = made;
  return kNoError;
}

HostError RunParameterDialog(HostMessage* message, const ParameterDialog* dialog) {
  if (kPluginDefinition.parameterBlockSize > kMaxParameterBlockSize) return kNoParametersError;
  if (!HoldsBlock(message->parameters, kPluginDefinition.parameterBlockSize)) {
    HostError error = MakeBlock(message, dialog);
    if (error != kNoError) return error;
  }
  void* block = *message->parameters;
  if (dialog->pluginRefOffset >= 0) {
    memcpy(static_cast<char*>(block) + dialog->pluginRefOffset, &message->pluginRef,
           sizeof(PluginRef));
  }

  char saved[kMaxParameterBlockSize];
  memcpy(saved, block, kPluginDefinition.parameterBlockSize);

  int32_t closedWith = sDialog->RunModalDialog(message->pluginRef, dialog->dialogName,
                                               dialog->dialogId, 0, dialog->init,
                                               message->parameters);
  if (closedWith == kOKItem) return kNoError;

  // The cancelled values must never stay in the block, so it is restored
  // before any error of UndoChanges is returned.
  HostError undo = kNoError;
  if (dialog->cancel == kCancelUndoThenRestore) undo = sUndo->UndoChanges();
  memcpy(block, saved, kPluginDefinition.parameterBlockSize);
  ClearFlag(block, dialog->previewCurrentOffset);
  if (dialog->cancel == kCancelRestoreThenUndo) undo = sUndo->UndoChanges();
  return undo != kNoError ? undo : kCancelError;
}
