#include "plugins/weightclamp/weightclamp.h"

#include "framework/host.h"
#include "framework/parameters.h"

namespace {

const Real kWidthLimit = 10000.0f;

void WriteDefaults(void* raw) {
  WeightclampParameters* block = static_cast<WeightclampParameters*>(raw);
  block->minimumWidth = 0.0f;
  block->maximumWidth = 50.0f;
}

void SetUpWidthField(ItemRef item, Real value) {
  sItem->SetItemPrecisionA(item, 0);
  sItem->SetMinFloatValue(item, 0.0f);
  sItem->SetMaxFloatValue(item, kWidthLimit);
  sItem->SetFloatValue(item, value);
  sItem->SetItemPrecision(item, 5);
}

// The fields are read only when the user confirms.
void OkPressed(ItemRef item, NotifierRef notifier) {
  sItem->DefaultNotify(item, notifier);
  DialogRef dialog = sItem->GetItemDialog(item);
  WeightclampParameters* block = DialogBlock<WeightclampParameters>(dialog);
  block->minimumWidth = sItem->GetFloatValue(sDialog->GetItem(dialog, kMinimumItem));
  block->maximumWidth = sItem->GetFloatValue(sDialog->GetItem(dialog, kMaximumItem));
}

HostError InitDialog(DialogRef dialog) {
  const WeightclampParameters* block = DialogBlock<WeightclampParameters>(dialog);
  ItemRef minimum = sDialog->GetItem(dialog, kMinimumItem);
  SetUpWidthField(minimum, block->minimumWidth);
  SetUpWidthField(sDialog->GetItem(dialog, kMaximumItem), block->maximumWidth);
  sItem->FocusItem(minimum, 1);
  sItem->SelectItemText(minimum);
  sItem->SetNotifyProc(sDialog->GetItem(dialog, kOKItem), OkPressed);
  return kNoError;
}

HostError GetParameters(HostMessage* message) {
  static const ParameterDialog kDialog = {
      WriteDefaults, "Weightclamp", kWeightclampDialog,
      InitDialog, kCancelNoUndo, -1, -1};
  return RunParameterDialog(message, &kDialog);
}

HostError Go(HostMessage* message) {
  const WeightclampParameters* block = BlockOf<WeightclampParameters>(message->parameters);
  Real low = block->minimumWidth;
  Real high = block->maximumWidth;
  if (low > high) {
    Real swap = low;
    low = high;
    high = swap;
  }

  static const int16_t kTypes[] = {kPathArt, kPathLikeArt};
  MemHandle list = nullptr;
  int32_t count = 0;
  HostError error = GetSelectedArt(kTypes, 2, &list, &count);
  if (error != kNoError) {
    DisposeArtList(list);
    return error;
  }
  if (count == 0) {
    DisposeArtList(list);
    return kNoSelectionError;
  }
  ArtRef* arts = ArtListItems(list);
  for (int32_t i = 0; i < count; ++i) {
    PathStyle style;
    if (sStyle->GetPathStyle(arts[i], &style) != kNoError) continue;
    if (style.strokeWidth > high) style.strokeWidth = high;
    if (style.strokeWidth < low) style.strokeWidth = low;
    sStyle->SetPathStyle(arts[i], &style);  // a style that cannot be written stays as it was
  }
  DisposeArtList(list);
  return kNoError;
}

}  // namespace

const PluginDefinition kPluginDefinition = {
    kOlderGeneration,
    "Weightclamp",
    kFixedForm,
    " Corvane Extras",
    " Weightclamp...",
    kMenuCodesB,
    0,
    kDocumentRow | kUndoRow | kLayerRow | kTagRow | kBezierRow | kNotifierRow | kListRow | kEntryRow,
    GetParameters,
    Go,
    sizeof(WeightclampParameters),
};
