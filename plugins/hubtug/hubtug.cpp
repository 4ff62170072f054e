#include "plugins/hubtug/hubtug.h"

#include <stddef.h>

#include "framework/dialogs.h"
#include "framework/host.h"
#include "framework/parameters.h"

namespace {

// What one run works with: the block's values as the passes see them, and
// the largest anchor distances of the art being tugged.
struct TugState {
  const HubtugParameters* block;
  RealPoint centre1;
  RealPoint centre2;
  Real f1;     // pull fractions
  Real f2;
  Real max1;   // largest distance of an anchor of the current art from centre 1
  Real max2;
  Real total;  // radians the current pass turns the art by
};

void WriteDefaults(void* raw) {
  HubtugParameters* block = static_cast<HubtugParameters*>(raw);
  block->centre1X = 200.0f;
  block->centre1Y = 200.0f;
  block->pullPower1 = 3.0f;
  block->centre2X = 500.0f;
  block->centre2Y = 500.0f;
  block->pullPower2 = 0.0f;
  block->rotateCentreX = 200.0f;
  block->rotateCentreY = 200.0f;
  block->angle = 0.0f;
  block->repeatsSlider = 1;
  block->repeats = 1;
  block->anchorPoints = 1;
  block->drag = 1;
  block->duplicate = 0;
  block->inverse = 0;
  block->previewOn = 1;
  block->rotateObject = 1;
  block->rotateCentre = 0;
  block->layers = 0;
  block->randomColours = 0;
  block->finalRun = 0;
}

// ---- Pulling -------------------------------------------------------------

HostError GrowMaxDistances(ArtRef path, TugState* state) {
  int16_t count = 0;
  HostError error = sPath->GetSegmentCount(path, &count);
  if (error != kNoError) return error;
  for (int16_t i = 0; i < count; ++i) {
    PathSegment segment;
    error = sPath->GetSegments(path, i, 1, &segment);
    if (error != kNoError) return error;
    Real d1 = sMath->PointDistance(&state->centre1, &segment.p);
    Real d2 = sMath->PointDistance(&state->centre2, &segment.p);
    if (d1 > state->max1) state->max1 = d1;
    if (d2 > state->max2) state->max2 = d2;
  }
  return kNoError;
}

// One pull of the segment's anchor towards (or, inverted, away from) centre.
void PullSegment(PathSegment* segment, const RealPoint& centre, Real f, Real max,
                 const HubtugParameters* block) {
  if (block->anchorPoints) {
    sMath->PointSubtract(&segment->in, &segment->p, &segment->in);
    sMath->PointSubtract(&segment->out, &segment->p, &segment->out);
  } else {
    segment->corner = 0;
  }

  RealPoint target = centre;
  if (block->inverse) {
    RealPoint offset;
    sMath->PointSubtract(&segment->p, &centre, &offset);
    sMath->PointAdd(&segment->p, &offset, &target);
  }

  bool moves = true;
  Real t = f;
  if (block->drag) {
    if (max == 0.0f) {
      moves = false;
    } else {
      Real distance = sMath->PointDistance(&target, &segment->p);
      t = sMath->RealDivide(sMath->RealMultiply(f, distance), max);
    }
  }
  if (moves) {
    RealPoint anchor = segment->p;
    sMath->PointTowards(&target, &anchor, t, &segment->p);
  }

  if (block->anchorPoints) {
    sMath->PointAdd(&segment->in, &segment->p, &segment->in);
    sMath->PointAdd(&segment->out, &segment->p, &segment->out);
  }
}

HostError PullPath(ArtRef path, const TugState& state) {
  int16_t count = 0;
  HostError error = sPath->GetSegmentCount(path, &count);
  if (error != kNoError) return error;
  for (int16_t i = 0; i < count; ++i) {
    PathSegment segment;
    error = sPath->GetSegments(path, i, 1, &segment);
    if (error != kNoError) return error;
    // Strong inverse pulls over many repeats can push a point beyond what a
    // real holds; the host refuses to store it and the run ends with that error.
    PullSegment(&segment, state.centre1, state.f1, state.max1, state.block);
    error = sPath->SetSegments(path, i, 1, &segment);
    if (error != kNoError) return error;
    PullSegment(&segment, state.centre2, state.f2, state.max2, state.block);
    error = sPath->SetSegments(path, i, 1, &segment);
    if (error != kNoError) return error;
  }
  return kNoError;
}

HostError RotateArt(ArtRef art, const TugState& state) {
  if (state.total == 0.0f) return kNoError;
  const HubtugParameters* block = state.block;
  if (block->rotateObject) {
    RealRect bounds;
    HostError error = sArt->GetArtBounds(art, &bounds);
    if (error != kNoError) return error;
    RealPoint centre = BoundsCentre(bounds);
    error = RotateArtAbout(art, state.total, centre.h, centre.v);
    if (error != kNoError) return error;
  }
  if (block->rotateCentre) {
    return RotateArtAbout(art, state.total, block->rotateCentreX, block->rotateCentreY);
  }
  return kNoError;
}

// ---- Duplicates ----------------------------------------------------------

HostError RandomiseFill(ArtRef path) {
  PathStyle style;
  HostError error = sStyle->GetPathStyle(path, &style);
  if (error != kNoError) return error;
  Colour& fill = style.fill;
  switch (fill.kind) {
    case kFourColour:
      fill.data.four.cyan = sRandom->RandomUnit();
      fill.data.four.magenta = sRandom->RandomUnit();
      fill.data.four.yellow = sRandom->RandomUnit();
      fill.data.four.black = sRandom->RandomUnit();
      break;
    case kThreeColour:
      fill.data.three.red = sRandom->RandomUnit();
      fill.data.three.green = sRandom->RandomUnit();
      fill.data.three.blue = sRandom->RandomUnit();
      break;
    case kGreyColour:
      fill.data.grey = sRandom->RandomUnit();
      break;
    default:
      break;
  }
  return sStyle->SetPathStyle(path, &style);
}

HostError LeaveDuplicate(ArtRef art, int16_t type, const HubtugParameters* block) {
  HostError error;
  if (block->layers) {
    LayerRef layer = nullptr;
    error = sLayer->InsertLayer(nullptr, kPlaceAboveAll, &layer);
    if (error != kNoError) return error;
    error = sLayer->SetLayerTitle(layer, " Hubtug ");
    if (error != kNoError) return error;
  }
  ArtRef copy = nullptr;
  error = sArt->DuplicateArt(art, kPlaceAboveAll, nullptr, &copy);
  if (error != kNoError) return error;
  if (!block->randomColours) return kNoError;
  if (type != kCompoundPathArt) return RandomiseFill(copy);

  ArtRef member = nullptr;
  error = sArt->GetFirstChild(copy, &member);
  while (error == kNoError && member != nullptr) {
    error = RandomiseFill(member);
    if (error != kNoError) return error;
    error = sArt->GetNextSibling(member, &member);
  }
  return error;
}

// ---- One art, one pass ---------------------------------------------------

// Calls work(member) for every member of a compound path in order, or
// work(art) for other art.
template <typename Work>
HostError ForEachPath(ArtRef art, int16_t type, Work work) {
  if (type != kCompoundPathArt) return work(art);
  ArtRef member = nullptr;
  HostError error = sArt->GetFirstChild(art, &member);
  while (error == kNoError && member != nullptr) {
    error = work(member);
    if (error != kNoError) return error;
    error = sArt->GetNextSibling(member, &member);
  }
  return error;
}

HostError TugArt(ArtRef art, TugState* state) {
  int16_t type = 0;
  HostError error = sArt->GetArtType(art, &type);
  if (error != kNoError) return error;

  state->max1 = 0.0f;
  state->max2 = 0.0f;
  if (state->block->drag) {
    error = ForEachPath(art, type, [state](ArtRef path) { return GrowMaxDistances(path, state); });
    if (error != kNoError) return error;
  }

  const TugState& pass = *state;
  error = ForEachPath(art, type, [&pass](ArtRef path) {
    HostError e = PullPath(path, pass);
    return e != kNoError ? e : RotateArt(path, pass);
  });
  if (error != kNoError) return error;

  if (!state->block->duplicate) return kNoError;
  return LeaveDuplicate(art, type, state->block);
}

HostError TugSelection(ArtRef* arts, int32_t count, TugState* state) {
  HostError error = ClearCompoundMembers(arts, count);
  if (error != kNoError) return error;
  Real step = sMath->DegreesToRadians(state->block->angle);
  for (int32_t pass = 0; pass < state->block->repeats; ++pass) {
    for (int32_t i = count - 1; i >= 0; --i) {
      if (arts[i] == nullptr) continue;
      error = TugArt(arts[i], state);
      if (error != kNoError) return error;
    }
    state->total = sMath->RealAdd(state->total, step);
  }
  return kNoError;
}

// The work routine of both the preview (finalRun 0) and Go (finalRun 1).
HostError HubtugRun(void* raw) {
  const HubtugParameters* block = static_cast<const HubtugParameters*>(raw);
  TugState state;
  state.block = block;
  state.centre1 = RealPoint{block->centre1X, block->centre1Y};
  state.centre2 = RealPoint{block->centre2X, block->centre2Y};
  state.f1 = sMath->RealDivide(block->pullPower1, 100.0f);
  state.f2 = sMath->RealDivide(block->pullPower2, 100.0f);
  state.max1 = 0.0f;
  state.max2 = 0.0f;
  state.total = 0.0f;

  HostError error = sUndo->UndoChanges();
  if (error != kNoError) return error;

  static const int16_t kTypes[] = {kCompoundPathArt, kPathArt, kPathLikeArt};
  MemHandle list = nullptr;
  int32_t count = 0;
  error = GetSelectedArt(kTypes, 3, &list, &count);
  if (error == kNoError && count == 0) error = kNoSelectionError;
  if (error == kNoError) error = TugSelection(ArtListItems(list), count, &state);
  if (error == kNoError && !block->finalRun) error = sDocument->RedrawDocument();
  DisposeArtList(list);
  return error;
}

// ---- Dialog --------------------------------------------------------------

#define HUBTUG_OFFSET(field) static_cast<int32_t>(offsetof(HubtugParameters, field))

const FieldSpec kFields[] = {
    {kCentre1XItem, kRealField, HUBTUG_OFFSET(centre1X), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kCentre1YItem, kRealField, HUBTUG_OFFSET(centre1Y), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kPullPower1Item, kRealField, HUBTUG_OFFSET(pullPower1), 0.0001f, 100, 5, nullptr, 0, 0, 0, 1},
    {kCentre2XItem, kRealField, HUBTUG_OFFSET(centre2X), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kCentre2YItem, kRealField, HUBTUG_OFFSET(centre2Y), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kPullPower2Item, kRealField, HUBTUG_OFFSET(pullPower2), 0, 100, 5, nullptr, 0, 0, 0, 1},
    {kRotateCentreXItem, kRealField, HUBTUG_OFFSET(rotateCentreX), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kRotateCentreYItem, kRealField, HUBTUG_OFFSET(rotateCentreY), -5000, 5000, 5, nullptr, 0, 0, 0, 1},
    {kAngleItem, kRealField, HUBTUG_OFFSET(angle), -360, 360, 5, nullptr, 0, 0, 0, 1},
    {kRepeatsSliderItem, kIntSlider, HUBTUG_OFFSET(repeatsSlider), 1, 100, 0, nullptr, 0, kRepeatsItem, kUnitSmallStep, 1},
    {kRepeatsItem, kIntField, HUBTUG_OFFSET(repeats), 1, 100, 0, nullptr, 0, kRepeatsSliderItem, 0, 1},
    {kAnchorPointsItem, kCheckBox, HUBTUG_OFFSET(anchorPoints), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kDragItem, kCheckBox, HUBTUG_OFFSET(drag), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kDuplicateItem, kCheckBox, HUBTUG_OFFSET(duplicate), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kInverseItem, kCheckBox, HUBTUG_OFFSET(inverse), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kHubtugPreviewItem, kCheckBox, HUBTUG_OFFSET(previewOn), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kRotateObjectItem, kCheckBox, HUBTUG_OFFSET(rotateObject), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kRotateCentreItem, kCheckBox, HUBTUG_OFFSET(rotateCentre), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kLayersItem, kCheckBox, HUBTUG_OFFSET(layers), 0, 0, 0, nullptr, 0, 0, 0, 1},
    {kRandomColoursItem, kCheckBox, HUBTUG_OFFSET(randomColours), 0, 0, 0, nullptr, 0, 0, 0, 1},
};

// Sent to the first field as the dialog opens, so that the preview is drawn
// at once when it is on.
const int32_t kNotifyOnOpen[] = {kCentre1XItem};

const DialogSpec kDialog = {
    "Hubtug",
    kHubtugDialog,
    kStoreOnOk,
    kFields,
    sizeof kFields / sizeof kFields[0],
    nullptr,
    0,
    {HUBTUG_OFFSET(finalRun), HUBTUG_OFFSET(previewOn), kNotStored, kNotStored, kNotStored,
     kNotStored},
    kHubtugPreviewItem,
    HubtugRun,
    nullptr,
    kCentre1XItem,
    kNotifyOnOpen,
    1,
    0,
};

HostError GetParameters(HostMessage* message) {
  return RunSpecParameterDialog(message, WriteDefaults, kCancelUndoThenRestore, &kDialog);
}

HostError Go(HostMessage* message) {
  HubtugParameters* block = BlockOf<HubtugParameters>(message->parameters);
  block->finalRun = 1;
  return HubtugRun(block);
}

}  // namespace

const PluginDefinition kPluginDefinition = {
    kOlderGeneration,
    "Hubtug",
    kFixedForm,
    " Corvane Gifts",
    " Hubtug...",
    kMenuCodesA,
    0,
    kShapesRow | kTagRow | kBezierRow | kListRow | kEntryRow,
    GetParameters,
    Go,
    sizeof(HubtugParameters),
};
