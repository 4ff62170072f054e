#include "tests/fixture_plugins/series/series.h"

#include "framework/dialogs.h"
#include "framework/host.h"
#include "framework/parameters.h"

namespace {

#define SERIES_OFFSET(field) static_cast<int32_t>(offsetof(SeriesParameters, field))

// ---- Defaults ------------------------------------------------------------

// The main dialog's fields; what "R&eset" writes.
void WriteFieldDefaults(SeriesParameters* block) {
  block->copyCount = kDefaultCopyCount;
  block->step = kDefaultStep;
  block->mode = kDefaultMode;
  block->selectCopies = kDefaultSelectCopies;
}

void WriteDefaults(void* raw) {
  SeriesParameters* block = static_cast<SeriesParameters*>(raw);
  WriteFieldDefaults(block);
  block->previewOn = 1;
  FillStrokeOptions& o = block->fillStroke;
  o.fillOn = 0;
  o.fillMode = kBasicGradient;
  o.fillCyan = o.fillMagenta = o.fillYellow = o.fillBlack = 10.0f;
  o.fillRed = o.fillGreen = o.fillBlue = 25.0f;
  o.fillGrey = 10.0f;
  o.strokeOn = 0;
  o.strokeMode = kBasicGradient;
  o.strokeCyan = o.strokeMagenta = o.strokeYellow = o.strokeBlack = 0.0f;
  o.strokeRed = o.strokeGreen = o.strokeBlue = 0.0f;
  o.strokeGrey = 0.0f;
  o.weightOn = 0;
  o.weightMode = kBasicLineWeight;
  o.weight = 1.0f;
  block->finalRun = 0;
  block->previewCurrent = 0;
  block->pluginRef = 0;
  block->mainDialogBounds = IntRect{0, 0, 0, 0};
  block->mainBoundsSaved = 0;
  block->fillDialogBounds = IntRect{0, 0, 0, 0};
  block->fillBoundsSaved = 0;
}

// ---- The work routine ----------------------------------------------------

const BlockLayout kMainLayout = {
    SERIES_OFFSET(finalRun),         SERIES_OFFSET(previewOn),
    SERIES_OFFSET(previewCurrent),   SERIES_OFFSET(pluginRef),
    SERIES_OFFSET(mainDialogBounds), SERIES_OFFSET(mainBoundsSaved),
};

const int16_t kPathTypes[] = {kPathArt};

// Each copy is made from the one before, so the additive fill/stroke rules
// accumulate along the row.
HostError MakeRow(ArtRef source, const SeriesParameters* block, const FillStrokeRun& run) {
  RealMatrix shift;
  sMath->MatrixSetTranslate(&shift, block->step, 0.0f);
  ArtRef previous = source;
  for (int32_t i = 0; i < block->copyCount; ++i) {
    ArtRef copy = nullptr;
    HostError error = sArt->DuplicateArt(previous, kPlaceAboveAll, nullptr, &copy);
    if (error != kNoError) return error;
    error = sTransform->TransformArt(copy, &shift, 1.0f, 15);
    if (error != kNoError) return error;
    error = ApplyFillStroke(copy, run, i, block->copyCount);
    if (error != kNoError) return error;
    if (!block->selectCopies) {
      error = sArt->SetArtAttributes(copy, kArtSelected, 0);
      if (error != kNoError) return error;
    }
    previous = copy;
  }
  return kNoError;
}

// The work of both the preview (finalRun 0) and Go (finalRun 1).
HostError SeriesRun(SeriesParameters* block) {
  HostError error = kNoError;
  if (BeginWorkRun(block, &kMainLayout, &error)) return kNoError;
  if (error != kNoError) return error;

  MemHandle list = nullptr;
  int32_t count = 0;
  error = GetSelectedArt(kPathTypes, 1, &list, &count);
  if (error == kNoError && count == 0) error = kNoSelectionError;
  ArtRef* arts = ArtListItems(list);
  if (error == kNoError) {
    const FillStrokeRun run =
        PrepareFillStroke(block->fillStroke, kSeriesFillStroke.variant, arts, count);
    for (int32_t i = 0; error == kNoError && i < count; ++i) error = MakeRow(arts[i], block, run);
  }
  if (error == kNoError && !block->finalRun) error = sDocument->RedrawDocument();
  DisposeArtList(list);
  return error;
}

HostError RunPreview(void* block) { return SeriesRun(static_cast<SeriesParameters*>(block)); }

// ---- Dialogs -------------------------------------------------------------

constexpr FillStrokeDialogSetup kFillSetup = MakeFillStrokeSetup(
    kSeriesFillStroke, ContiguousFillStroke(SERIES_OFFSET(fillStroke)),
    BlockLayout{SERIES_OFFSET(finalRun), SERIES_OFFSET(previewOn), SERIES_OFFSET(previewCurrent),
                SERIES_OFFSET(pluginRef), SERIES_OFFSET(fillDialogBounds),
                SERIES_OFFSET(fillBoundsSaved)},
    RunPreview);
constexpr FillStrokeFieldTable kFillFields = FillStrokeFieldSpecs(kFillSetup);
constexpr DialogSpec kFillDialog = FillStrokeDialogSpec(kFillSetup, kFillFields);

const char* const kModeEntries[kSeriesModes] = {
    " Option One",
    " Option Two",
    " Option Three",
    " Option Four",
};

const FieldSpec kFields[] = {
    {kCopyCountItem, kIntField, SERIES_OFFSET(copyCount), kMinCopies, kMaxCopies, 0, nullptr, 0,
     kCopyCountSlider, 0, 0},
    {kCopyCountSlider, kIntSlider, kNotStored, kMinCopies, kMaxCopies, 0, nullptr, 0,
     kCopyCountItem, kUnitSmallStep, 0},
    {kStepItem, kRealField, SERIES_OFFSET(step), -kStepLimit, kStepLimit, 5, nullptr, 0, 0, 0, 0},
    {kModeItem, kPopupList, SERIES_OFFSET(mode), 0, 0, 0, kModeEntries, kSeriesModes, 0, 0, 0},
    {kSelectCopiesItem, kCheckBox, SERIES_OFFSET(selectCopies), 0, 0, 0, nullptr, 0, 0, 0, 0},
};

void ResetFields(DialogRef, void* block) {
  WriteFieldDefaults(static_cast<SeriesParameters*>(block));
}

// The mode list and the first field redisplay the defaults; their change
// procedure stores them and redraws the preview.
const int32_t kResetRenotify[] = {kModeItem, kCopyCountItem};

const ButtonSpec kButtons[] = {
    FillStrokeButton(kFillStrokeItem, &kFillDialog),
    {kResetItem, nullptr, ResetFields, kResetRenotify,
     sizeof kResetRenotify / sizeof kResetRenotify[0]},
};

// The list's procedure runs as the dialog opens, so a preview that is on is
// drawn at once.
const int32_t kNotifyOnOpen[] = {kModeItem};

const DialogSpec kMainDialog = {
    "Series Fixture",
    kSeriesDialog,
    kStoreOnChange,
    kFields,
    sizeof kFields / sizeof kFields[0],
    kButtons,
    sizeof kButtons / sizeof kButtons[0],
    kMainLayout,
    kSeriesPreviewItem,
    RunPreview,
    nullptr,
    kCopyCountItem,
    kNotifyOnOpen,
    sizeof kNotifyOnOpen / sizeof kNotifyOnOpen[0],
    1,
};

// ---- Entry points --------------------------------------------------------

HostError GetParameters(HostMessage* message) {
  MemHandle list = nullptr;
  int32_t count = 0;
  HostError error = GetSelectedArt(kPathTypes, 1, &list, &count);
  DisposeArtList(list);
  if (error != kNoError) return error;
  if (count == 0) return kNoSelectionError;

  return RunSpecParameterDialog(message, WriteDefaults, kCancelUndoThenRestore, &kMainDialog);
}

HostError Go(HostMessage* message) {
  SeriesParameters* block = BlockOf<SeriesParameters>(message->parameters);
  if (block == nullptr) return kNoParametersError;
  block->finalRun = 1;
  return SeriesRun(block);
}


}  // namespace

const PluginDefinition kPluginDefinition = {
    kNewerGeneration,
    "Series Fixture",
    kTableForm,
    nullptr,
    nullptr,
    kMenuCodesA,
    0,
    kShapesRow | kLayerRow | kTagRow | kBezierRow,
    GetParameters,
    Go,
    sizeof(SeriesParameters),
};
