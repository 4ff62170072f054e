#include "framework/parameters.h"

#include <string.h>

static void ClearFlag(void* block, int32_t offset) {
  if (offset < 0) return;
  int32_t zero = 0;
  memcpy(static_cast<char*>(block) + offset, &zero, sizeof zero);
}

HostError RunParameterDialog(HostMessage* message, const ParameterDialog* dialog) {
  if (dialog->blockSize > kMaxParameterBlockSize) return kNoParametersError;
  if (message->parameters == nullptr) {
    HostError error = sMemory->NewHandle(dialog->blockSize, &message->parameters);
    if (error != kNoError) return error;
    if (message->parameters == nullptr || *message->parameters == nullptr)
      return kNoParametersError;
    dialog->writeDefaults(*message->parameters);
  }
  void* block = *message->parameters;
  if (dialog->pluginRefOffset >= 0) {
    memcpy(static_cast<char*>(block) + dialog->pluginRefOffset, &message->pluginRef,
           sizeof(PluginRef));
  }

  char saved[kMaxParameterBlockSize];
  memcpy(saved, block, dialog->blockSize);

  int32_t closedWith = sDialog->RunModalDialog(message->pluginRef, dialog->dialogName,
                                               dialog->dialogId, 0, dialog->init,
                                               message->parameters);
  if (closedWith == kOKItem) return kNoError;

  // The cancelled values must never stay in the block, so it is restored
  // before any error of UndoChanges is returned.
  HostError undo = kNoError;
  if (dialog->cancel == kCancelUndoThenRestore) undo = sUndo->UndoChanges();
  memcpy(block, saved, dialog->blockSize);
  ClearFlag(block, dialog->previewCurrentOffset);
  if (dialog->cancel == kCancelRestoreThenUndo) undo = sUndo->UndoChanges();
  return undo != kNoError ? undo : kCancelError;
}
