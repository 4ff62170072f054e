#include "plugins/tintshake/tintshake.h"

#include <stddef.h>

#include "framework/dialogs.h"
#include "framework/host.h"
#include "framework/parameters.h"

namespace {

// ---- Channels and modes ------------------------------------------------

struct Channel {
  const char* listText;
  int32_t stroke;         // 0: works on fills with fillValue, 1: strokes with strokeValue
  int32_t colourKind;     // the colour kind it changes
  int32_t firstValue;     // position of its first component in the value arrays
  int32_t pairs;          // edit/slider pairs in use, one per component
  Real range;             // fields accept -range to range
  const char* labels[kTintshakePairs];
  const char* activeText;
};

const Channel kChannels[kTintshakeChannels] = {
    {" CMYK - Fill", 0, kFourColour, kCyan, 4, 100.0f,
     {"Cyan", "Magenta", "Yellow", "Black"}, "Active Fill (CMYK)"},
    {" RGB - Fill", 0, kThreeColour, kRed, 3, 255.0f,
     {"Red", "Green", "Blue", ""}, "Active Fill (RGB)"},
    {" Greyscale - Fill", 0, kGreyColour, kGrey, 1, 100.0f,
     {"Greyscale", "", "", ""}, "Active Fill (Greyscale)"},
    {" CMYK - Stroke", 1, kFourColour, kCyan, 4, 100.0f,
     {"Cyan", "Magenta", "Yellow", "Black"}, "Active Stroke (CMYK)"},
    {" RGB - Stroke", 1, kThreeColour, kRed, 3, 255.0f,
     {"Red", "Green", "Blue", ""}, "Active Stroke (RGB)"},
    {" Greyscale - Stroke", 1, kGreyColour, kGrey, 1, 100.0f,
     {"Greyscale", "", "", ""}, "Active Stroke (Greyscale)"},
};

const char* const kChannelTexts[kTintshakeChannels] = {
    kChannels[0].listText, kChannels[1].listText, kChannels[2].listText,
    kChannels[3].listText, kChannels[4].listText, kChannels[5].listText,
};

const char* const kModeTexts[kTintshakeModes] = {
    " Use Entered Randomised + Current",
    " Use Random < Entered",
    " Use Entered Randomised + Current (Black As Entered)",
    " Use Entered Randomised + Current (Black Randomised < Entered)",
    " Add Average Randomised",
    " Add Average Randomised (Black Randomised < Entered",
    " Use Entered (Same)Randomised + Current",
    " Percentage Of Current Randomised + Current",
    " Percentage Of Current Randomised",
    " Percentage Of Current",
    " Add To Current",
    " Totally Random",
    " Totally Random (Use Black As Entered)",
};

// The channel of a colour of that kind on a fill (stroke 0) or a stroke, or
// -1 for the kinds no channel changes.
int32_t ChannelFor(int32_t stroke, int32_t colourKind) {
  for (int32_t c = 0; c < kTintshakeChannels; ++c) {
    if (kChannels[c].stroke == stroke && kChannels[c].colourKind == colourKind) return c;
  }
  return -1;
}

Real* ChannelValues(TintshakeParameters* block, int32_t channel) {
  const Channel& info = kChannels[channel];
  return (info.stroke ? block->strokeValue : block->fillValue) + info.firstValue;
}

// ---- Colour modes ------------------------------------------------------

Real Draw() { return sRandom->RandomUnit(); }

const Real kQuarter = 0.25f;
const Real kThird = 0.33333334f;
const Real kThreeColourScale = 2.55f;

// The amount modes 4 and 5 add: a random share of the components' average.
Real AverageShare(const Real* x, int32_t n) {
  Real r = Draw();
  if (n == 4) return r * (x[0] + x[1] + x[2] + x[3]) * kQuarter;
  return r * (x[0] + x[1] + x[2]) * kThird;
}

// Applies a mode to the n components x (4: cyan, magenta, yellow, black; 3:
// red, green, blue; 1: grey) with the matching entered values v, already
// divided by 100. Draws happen in component order, one per use.
void ApplyMode(int32_t mode, Real* x, const Real* v, int32_t n) {
  const bool four = n == 4;
  switch (mode) {
    case 0:
      for (int32_t k = 0; k < n; ++k) x[k] = x[k] + Draw() * v[k];
      break;
    case 1:
      for (int32_t k = 0; k < n; ++k) x[k] = Draw() * v[k];
      break;
    case 2:
    case 3:
      if (!four) {
        ApplyMode(0, x, v, n);
        break;
      }
      for (int32_t k = 0; k < 3; ++k) x[k] = x[k] + Draw() * v[k];
      x[3] = mode == 2 ? v[3] : Draw() * v[3];
      break;
    case 4:
    case 5:
      if (n == 1) {
        x[0] = x[0] * (1.0f + Draw());
      } else if (mode == 5 && four) {
        Real a = AverageShare(x, n);
        for (int32_t k = 0; k < 3; ++k) x[k] = x[k] + a;
        x[3] = Draw() * v[3];
      } else {
        Real a = AverageShare(x, n);
        for (int32_t k = 0; k < n; ++k) x[k] = x[k] + a;
      }
      break;
    case 6: {
      Real d = Draw();
      for (int32_t k = 0; k < n; ++k) x[k] = x[k] + d * v[k];
      break;
    }
    case 7:
      for (int32_t k = 0; k < n; ++k) x[k] = x[k] * (1.0f + Draw() * v[k]);
      break;
    case 8:
      for (int32_t k = 0; k < n; ++k) x[k] = Draw() * x[k] * v[k];
      break;
    case 9:
      for (int32_t k = 0; k < n; ++k) x[k] = x[k] * v[k];
      break;
    case 10:
      for (int32_t k = 0; k < n; ++k) x[k] = x[k] + v[k];
      break;
    case 11:
    case 12: {
      const int32_t changed = (mode == 12 && four) ? 3 : n;
      for (int32_t k = 0; k < changed; ++k) x[k] = n == 3 ? kThreeColourScale * Draw() : Draw();
      break;
    }
    default:
      break;
  }
}

// Applies a mode to one colour; kinds other than grey, four- and
// three-colour are left alone. values holds all eight components.
void ApplyModeToColour(int32_t mode, Colour* colour, const Real* values) {
  Real x[4];
  switch (colour->kind) {
    case kFourColour: {
      auto& c = colour->data.four;
      x[0] = c.cyan, x[1] = c.magenta, x[2] = c.yellow, x[3] = c.black;
      ApplyMode(mode, x, values + kCyan, 4);
      c.cyan = x[0], c.magenta = x[1], c.yellow = x[2], c.black = x[3];
      break;
    }
    case kThreeColour: {
      auto& c = colour->data.three;
      x[0] = c.red, x[1] = c.green, x[2] = c.blue;
      ApplyMode(mode, x, values + kRed, 3);
      c.red = x[0], c.green = x[1], c.blue = x[2];
      break;
    }
    case kGreyColour:
      x[0] = colour->data.grey;
      ApplyMode(mode, x, values + kGrey, 1);
      colour->data.grey = x[0];
      break;
    default:
      break;
  }
}

// ---- The work routine --------------------------------------------------

const BlockLayout kLayout = {
    offsetof(TintshakeParameters, finalRun),
    offsetof(TintshakeParameters, previewOn),
    offsetof(TintshakeParameters, previewCurrent),
    kNotStored,
    offsetof(TintshakeParameters, dialogBounds),
    offsetof(TintshakeParameters, dialogBoundsValid),
};

// The selected paths; every one's segment count must be readable. On an
// error the list is already disposed of.
HostError SelectPaths(MemHandle* list, int32_t* count) {
  static const int16_t kTypes[] = {kPathArt, kPathLikeArt};
  HostError error = GetSelectedArt(kTypes, 2, list, count);
  if (error == kNoError && *count == 0) error = kNoSelectionError;
  ArtRef* arts = ArtListItems(*list);
  for (int32_t i = 0; error == kNoError && i < *count; ++i) {
    int16_t segments = 0;
    error = sPath->GetSegmentCount(arts[i], &segments);
  }
  if (error != kNoError) {
    DisposeArtList(*list);
    *list = nullptr;
    *count = 0;
  }
  return error;
}

void ShakeStyle(const TintshakeParameters* block, const Real* fill, const Real* stroke,
                PathStyle* style) {
  int32_t channel = ChannelFor(0, style->fill.kind);
  if (channel >= 0 && block->channelActive[channel])
    ApplyModeToColour(block->channelMode[channel], &style->fill, fill);
  channel = ChannelFor(1, style->stroke.kind);
  if (channel >= 0 && block->channelActive[channel])
    ApplyModeToColour(block->channelMode[channel], &style->stroke, stroke);
}

HostError TintshakeRun(TintshakeParameters* block) {
  HostError error = kNoError;
  if (BeginWorkRun(block, &kLayout, &error)) return kNoError;
  if (error != kNoError) return error;

  Real fill[kTintshakeComponents];
  Real stroke[kTintshakeComponents];
  for (int32_t k = 0; k < kTintshakeComponents; ++k) {
    fill[k] = sMath->RealDivide(block->fillValue[k], 100.0f);
    stroke[k] = sMath->RealDivide(block->strokeValue[k], 100.0f);
  }

  MemHandle list = nullptr;
  int32_t count = 0;
  error = SelectPaths(&list, &count);
  if (error != kNoError) return error;
  ArtRef* arts = ArtListItems(list);
  for (int32_t i = count - 1; i >= 0; --i) {
    PathStyle style;
    if (sStyle->GetPathStyle(arts[i], &style) != kNoError) continue;
    ShakeStyle(block, fill, stroke, &style);
    sStyle->SetPathStyle(arts[i], &style);  // a style that cannot be written stays as it was
  }
  // The colours are changed whether or not the redraw shows them, so a
  // failed redraw does not fail the run: the preview stays the result that
  // an accepted Go keeps.
  if (!block->finalRun) sDocument->RedrawDocument();
  DisposeArtList(list);
  return kNoError;
}

HostError RunPreview(void* block) { return TintshakeRun(static_cast<TintshakeParameters*>(block)); }

// The dialog's procedures are Tintshake's own (the pairs change meaning with
// the channel); this spec gives the toolkit's preview cycle its layout and
// work routine.
const DialogSpec kDialogSpec = {
    "Corvane Tintshake Plugin", kTintshakeDialog, kStoreOnChange, nullptr, 0, nullptr, 0,
    kLayout, kPreviewItem, RunPreview, nullptr, kFirstEditItem, nullptr, 0, 1,
};

// ---- Dialog ------------------------------------------------------------

void WriteValueDefaults(TintshakeParameters* block) {
  block->channel = 0;
  for (int32_t c = 0; c < kTintshakeChannels; ++c) {
    block->channelMode[c] = 0;
    block->channelActive[c] = 1;
  }
  for (int32_t k = 0; k < kTintshakeComponents; ++k) {
    block->fillValue[k] = 10.0f;
    block->strokeValue[k] = 0.0f;
  }
}

void WriteDefaults(void* raw) {
  TintshakeParameters* block = static_cast<TintshakeParameters*>(raw);
  WriteValueDefaults(block);
  block->previewOn = 1;
  block->finalRun = 0;
  block->previewCurrent = 0;
  block->dialogBounds = IntRect{0, 0, 0, 0};
  block->dialogBoundsValid = 0;
}

ItemRef ItemOf(DialogRef dialog, int32_t id) { return sDialog->GetItem(dialog, id); }

// The channel the channel list shows; the block's when the list has none.
int32_t ShownChannel(DialogRef dialog, const TintshakeParameters* block) {
  int32_t channel = SelectedListId(ItemOf(dialog, kChannelListItem));
  if (channel < 0 || channel >= kTintshakeChannels) channel = block->channel;
  if (channel < 0 || channel >= kTintshakeChannels) channel = 0;
  return channel;
}

void TintshakeChanged(ItemRef item, NotifierRef notifier);

void SetPairValue(ItemRef item, Real range, Real value) {
  sItem->SetMinFloatValue(item, -range);
  sItem->SetMaxFloatValue(item, range);
  sItem->SetFloatValue(item, value);
}

// Shows the chosen channel's mode, flag and values; changes nothing in the
// block but `channel` and draws no preview.
void ChannelChanged(ItemRef item, NotifierRef) {
  DialogRef dialog = sItem->GetItemDialog(item);
  TintshakeParameters* block = DialogBlock<TintshakeParameters>(dialog);
  if (block == nullptr) return;
  const int32_t channel = ShownChannel(dialog, block);
  block->channel = channel;
  const Channel& info = kChannels[channel];
  SelectListId(ItemOf(dialog, kModeListItem), block->channelMode[channel]);
  sItem->SetBooleanValue(ItemOf(dialog, kActiveItem), block->channelActive[channel]);
  const Real* values = ChannelValues(block, channel);
  for (int32_t pair = 0; pair < info.pairs; ++pair) {
    SetPairValue(ItemOf(dialog, PairEditItem(pair)), info.range, values[pair]);
    SetPairValue(ItemOf(dialog, PairSliderItem(pair)), info.range, values[pair]);
  }
  for (int32_t pair = 0; pair < kTintshakePairs; ++pair)
    sItem->SetItemEnabled(ItemOf(dialog, PairEditItem(pair)), pair < info.pairs);
  for (int32_t pair = 0; pair < kTintshakePairs; ++pair)
    sItem->SetItemEnabled(ItemOf(dialog, PairSliderItem(pair)), pair < info.pairs);
  for (int32_t pair = 0; pair < kTintshakePairs; ++pair)
    sItem->SetItemText(ItemOf(dialog, kFirstLabelItem + pair), info.labels[pair]);
  sItem->SetItemText(ItemOf(dialog, kActiveItem), info.activeText);
  for (int32_t pair = 0; pair < kTintshakePairs; ++pair) {
    ItemRef edit = ItemOf(dialog, PairEditItem(pair));
    sItem->SetItemPrecisionA(edit, 0);
    sItem->SetItemPrecision(edit, 5);
    sItem->SetNotifyProc(edit, TintshakeChanged);
    ItemRef slider = ItemOf(dialog, PairSliderItem(pair));
    sItem->SetItemLargeStep(slider, 1.0f);
    sItem->SetNotifyProc(slider, TintshakeChanged);
  }
  sItem->SetNotifyProc(ItemOf(dialog, kActiveItem), TintshakeChanged);
}

// Keeps the two items of a pair equal, whichever of them changed.
void CopyPairOf(DialogRef dialog, int32_t id, ItemRef item) {
  const int32_t last = PairSliderItem(kTintshakePairs - 1);
  if (id < kFirstEditItem || id > last) return;
  const bool isEdit = (id - kFirstEditItem) % 2 == 0;
  CopyToPartner(item, ItemOf(dialog, isEdit ? id + 1 : id - 1));
}

// Stores everything the dialog shows for the shown channel, previews when
// the preview is on and remembers the dialog's place.
void TintshakeChanged(ItemRef item, NotifierRef notifier) {
  sItem->DefaultNotify(item, notifier);
  DialogRef dialog = sItem->GetItemDialog(item);
  TintshakeParameters* block = DialogBlock<TintshakeParameters>(dialog);
  if (block == nullptr) return;
  block->finalRun = 0;
  const int32_t channel = ShownChannel(dialog, block);
  block->channel = channel;
  const int32_t mode = SelectedListId(ItemOf(dialog, kModeListItem));
  if (mode >= 0) block->channelMode[channel] = mode;
  CopyPairOf(dialog, sItem->GetItemId(item), item);
  block->previewOn = sItem->GetBooleanValue(ItemOf(dialog, kPreviewItem));
  block->channelActive[channel] = sItem->GetBooleanValue(ItemOf(dialog, kActiveItem));
  Real* values = ChannelValues(block, channel);
  for (int32_t pair = 0; pair < kChannels[channel].pairs; ++pair)
    values[pair] = sItem->GetFloatValue(ItemOf(dialog, PairEditItem(pair)));
  PreviewAfterChange(block, &kDialogSpec);
  StoreDialogBounds(dialog, block, &kLayout);
}

// Defaults for every channel; the channel list keeps its choice, so the
// shown channel stays and shows its defaults, which the second notification
// stores and previews.
void TintshakeReset(ItemRef item, NotifierRef notifier) {
  sItem->DefaultNotify(item, notifier);
  DialogRef dialog = sItem->GetItemDialog(item);
  TintshakeParameters* block = DialogBlock<TintshakeParameters>(dialog);
  if (block == nullptr) return;
  WriteValueDefaults(block);
  sItem->SendNotify(ItemOf(dialog, kChannelListItem), kUserChangedNotifier);
  sItem->SendNotify(ItemOf(dialog, kFirstEditItem), kUserChangedNotifier);
}

void OkPressed(ItemRef item, NotifierRef notifier) {
  sItem->DefaultNotify(item, notifier);
  DialogRef dialog = sItem->GetItemDialog(item);
  TintshakeParameters* block = DialogBlock<TintshakeParameters>(dialog);
  if (block != nullptr) StoreDialogBounds(dialog, block, &kLayout);
}

HostError InitDialog(DialogRef dialog) {
  TintshakeParameters* block = DialogBlock<TintshakeParameters>(dialog);
  if (block == nullptr) return kNoParametersError;
  RestoreDialogBounds(dialog, block, &kLayout);

  ItemRef channels = ItemOf(dialog, kChannelListItem);
  sItem->SetNotifyProc(channels, ChannelChanged);
  FillList(channels, kChannelTexts, kTintshakeChannels, block->channel);
  ItemRef modes = ItemOf(dialog, kModeListItem);
  sItem->SetNotifyProc(modes, TintshakeChanged);
  FillList(modes, kModeTexts, kTintshakeModes, -1);
  sItem->SendNotify(channels, kUserChangedNotifier);

  ItemRef preview = ItemOf(dialog, kPreviewItem);
  sItem->SetBooleanValue(preview, block->previewOn);
  sItem->SetNotifyProc(preview, TintshakeChanged);

  ItemRef first = ItemOf(dialog, kFirstEditItem);
  sItem->FocusItem(first, 1);
  sItem->SelectItemText(first);
  sItem->SendNotify(first, kUserChangedNotifier);

  sItem->SetNotifyProc(ItemOf(dialog, kOKItem), OkPressed);
  sItem->SetNotifyProc(ItemOf(dialog, kRandomiseItem), TintshakeChanged);
  sItem->SetNotifyProc(ItemOf(dialog, kResetItem), TintshakeReset);
  return kNoError;
}

// ---- Entry points ------------------------------------------------------

HostError GetParameters(HostMessage* message) {
  MemHandle list = nullptr;
  int32_t count = 0;
  HostError error = SelectPaths(&list, &count);
  if (error != kNoError) return error;
  DisposeArtList(list);

  static const ParameterDialog kDialog = {
      WriteDefaults, "Corvane Tintshake Plugin", kTintshakeDialog,
      InitDialog, kCancelUndoThenRestore, offsetof(TintshakeParameters, previewCurrent), -1};
  return RunParameterDialog(message, &kDialog);
}

HostError Go(HostMessage* message) {
  TintshakeParameters* block = BlockOf<TintshakeParameters>(message->parameters);
  block->finalRun = 1;
  return TintshakeRun(block);
}

}  // namespace

const PluginDefinition kPluginDefinition = {
    kNewerGeneration,
    "Tintshake Filter",
    kTableForm,
    nullptr,
    nullptr,
    kMenuCodesA,
    0,
    kTransformRow | kShapesRow | kLayerRow | kBezierRow,
    GetParameters,
    Go,
    sizeof(TintshakeParameters),
};
