#include "plugins/sagline/sagline.h"

#include <stddef.h>

#include "framework/dialogs.h"
#include "framework/host.h"
#include "framework/parameters.h"

namespace {

void WriteDefaults(void* raw) {
  SaglineParameters* block = static_cast<SaglineParameters*>(raw);
  block->byPoints = 1.0f;
  block->percentage = 0.0f;
  block->sagRepeats = 1;
  block->moveUp = 0;
  block->moveLeft = 0;
  block->moveRight = 0;
  block->moveDown = 1;
  block->previewOn = 1;
  block->sagDuplicate = 0;
  block->newLayer = 0;
  block->finalRun = 0;
}

// The amount one move adds to coordinate c: a share f of c itself when f is
// not 0, otherwise the distance d.
Real Shift(Real c, Real f, Real d) { return f != 0.0f ? sMath->RealMultiply(c, f) : d; }

void MoveAnchor(RealPoint* anchor, Real f, Real d, const SaglineParameters* block) {
  if (block->moveDown) anchor->v = sMath->RealAdd(anchor->v, -Shift(anchor->v, f, d));
  if (block->moveUp) anchor->v = sMath->RealAdd(anchor->v, Shift(anchor->v, f, d));
  if (block->moveLeft) anchor->h = sMath->RealAdd(anchor->h, -Shift(anchor->h, f, d));
  if (block->moveRight) anchor->h = sMath->RealAdd(anchor->h, Shift(anchor->h, f, d));
}

HostError LeaveDuplicate(ArtRef path, const SaglineParameters* block) {
  HostError error;
  if (block->newLayer) {
    LayerRef layer = nullptr;
    error = sLayer->InsertLayer(nullptr, kPlaceAboveAll, &layer);
    if (error != kNoError) return error;
    error = sLayer->SetLayerTitle(layer, " Sagline   ");
    if (error != kNoError) return error;
  }
  ArtRef copy = nullptr;
  return sArt->DuplicateArt(path, kPlaceAboveAll, nullptr, &copy);
}

// Moves the anchors of one path sagRepeats times; the control points and
// corner flags are left as they are.
HostError SagPath(ArtRef path, Real f, Real d, const SaglineParameters* block) {
  for (int32_t step = 0; step < block->sagRepeats; ++step) {
    int16_t count = 0;
    HostError error = sPath->GetSegmentCount(path, &count);
    if (error != kNoError) return error;
    for (int16_t i = 0; i < count; ++i) {
      PathSegment segment;
      error = sPath->GetSegments(path, i, 1, &segment);
      if (error != kNoError) return error;
      // Large percentages over many repeats can multiply a coordinate beyond
      // what a real holds; the host refuses to store it and the run ends with
      // that error.
      MoveAnchor(&segment.p, f, d, block);
      error = sPath->SetSegments(path, i, 1, &segment);
      if (error != kNoError) return error;
    }
    if (block->sagDuplicate) {
      error = LeaveDuplicate(path, block);
      if (error != kNoError) return error;
    }
  }
  return kNoError;
}

HostError SagArt(ArtRef art, Real f, Real d, const SaglineParameters* block) {
  int16_t type = 0;
  HostError error = sArt->GetArtType(art, &type);
  if (error != kNoError) return error;
  if (type != kCompoundPathArt) return SagPath(art, f, d, block);
  ArtRef member = nullptr;
  error = sArt->GetFirstChild(art, &member);
  while (error == kNoError && member != nullptr) {
    error = SagPath(member, f, d, block);
    if (error != kNoError) return error;
    error = sArt->GetNextSibling(member, &member);
  }
  return error;
}

HostError SagSelection(ArtRef* arts, int32_t count, Real f, Real d,
                       const SaglineParameters* block) {
  HostError error = ClearCompoundMembers(arts, count);
  if (error != kNoError) return error;
  for (int32_t i = count - 1; i >= 0; --i) {
    if (arts[i] == nullptr) continue;
    error = SagArt(arts[i], f, d, block);
    if (error != kNoError) return error;
  }
  return kNoError;
}

// The work routine of both the preview (finalRun 0) and Go (finalRun 1).
HostError SaglineRun(void* raw) {
  const SaglineParameters* block = static_cast<const SaglineParameters*>(raw);
  Real d = block->byPoints;
  Real f = sMath->RealDivide(block->percentage, 100.0f);

  HostError error = sUndo->UndoChanges();
  if (error != kNoError) return error;

  static const int16_t kTypes[] = {kCompoundPathArt, kPathArt, kPathLikeArt};
  MemHandle list = nullptr;
  int32_t count = 0;
  error = GetSelectedArt(kTypes, 3, &list, &count);
  if (error == kNoError && count == 0) error = kNoSelectionError;
  if (error == kNoError) error = SagSelection(ArtListItems(list), count, f, d, block);
  if (error == kNoError && !block->finalRun) error = sDocument->RedrawDocument();
  DisposeArtList(list);
  return error;
}

// ---- Dialog --------------------------------------------------------------

#define SAGLINE_OFFSET(field) static_cast<int32_t>(offsetof(SaglineParameters, field))

const FieldSpec kFields[] = {
    {kByPointsItem, kRealField, SAGLINE_OFFSET(byPoints), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kPercentageItem, kRealField, SAGLINE_OFFSET(percentage), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kSagRepeatsItem, kIntSlider, SAGLINE_OFFSET(sagRepeats), 1, 200, 0, nullptr, 0, 0, kUnitSmallStep, 1},
    {kMoveUpItem, kCheckBox, SAGLINE_OFFSET(moveUp), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kMoveLeftItem, kCheckBox, SAGLINE_OFFSET(moveLeft), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kMoveRightItem, kCheckBox, SAGLINE_OFFSET(moveRight), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kMoveDownItem, kCheckBox, SAGLINE_OFFSET(moveDown), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kSaglinePreviewItem, kCheckBox, SAGLINE_OFFSET(previewOn), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kSagDuplicateItem, kCheckBox, SAGLINE_OFFSET(sagDuplicate), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kNewLayerItem, kCheckBox, SAGLINE_OFFSET(newLayer), 0, 0, 0, nullptr, 0, 0, 0, 1},
};

// Sent to the first field as the dialog opens, so that the preview is drawn
// at once when it is on.
const int32_t kNotifyOnOpen[] = {kByPointsItem};

const DialogSpec kDialog = {
    "Sagline",
    kSaglineDialog,
    kStoreOnOk,
    kFields,
    sizeof kFields / sizeof kFields[0],
    nullptr,
    0,
    {SAGLINE_OFFSET(finalRun), SAGLINE_OFFSET(previewOn), kNotStored, kNotStored, kNotStored,
     kNotStored},
    kSaglinePreviewItem,
    SaglineRun,
    nullptr,
    kByPointsItem,
    kNotifyOnOpen,
    1,
    0,
};

HostError GetParameters(HostMessage* message) {
  return RunSpecParameterDialog(message, WriteDefaults, kCancelRestoreThenUndo, &kDialog);
}

HostError Go(HostMessage* message) {
  SaglineParameters* block = BlockOf<SaglineParameters>(message->parameters);
  block->finalRun = 1;
  return SaglineRun(block);
}

}  // namespace

const PluginDefinition kPluginDefinition = {
    kOlderGeneration,
    "Sagline",
    kFixedForm,
    " Corvane Extras",
    " Sagline...",
    kMenuCodesA,
    0,
    kRandomRow | kTransformRow | kShapesRow | kTagRow | kBezierRow | kListRow | kEntryRow,
    GetParameters,
    Go,
    sizeof(SaglineParameters),
};
