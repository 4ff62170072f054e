#include "framework/fillstroke.h"

// ---- Entry texts -----------------------------------------------------------

const char* const kFillEntries[16] = {
    " Basic Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (Use Black)",
    " Gradient Based On Copies Randomised (Use Entered Black)",
    " Totally Random",
    " Randomised Based On Entered",
    " To Target",
    " Approach Target",
    " Averaged - To Target",
    " To Target Multi-Pass",
};

const char* const kStrokeEntries[14] = {
    " Basic Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (Use Entered Black)",
    " Gradient Based On Copies Randomised (Use Entered Black)",
    " Totally Randomised",
    " Randomised Based On Entered",
    " To Target",
    " Approach Target",
};

const char* const kWeightEntries[14] = {
    " Basic Line Weight",
    " Line Weight Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Tintshake Add",
    " Random Add Based On Copies",
    " Random Line Weight <= 10pts",
    " Random Line Weight <= Entered",
    " To Target",
    " Approach Target",
    " Multiplied",
    " Line Weight Either Way",
    " Line Weight Either Way (Copies)",
};

// The layer-series plug-ins name their target entries after their "Use
// Original" box, which decides whether the targets are reached.
#define TIER_TARGET " To Target (Use Original - On)"
#define TIER_APPROACH " Approach Target (Use Original - Off)"
#define TIER_AVERAGED " Averaged - To Target (Use Original - On)"

const char* const kTierspinFillEntries[15] = {
    " Basic Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (Use Black)",
    " Gradient Based On Copies Randomised (Use Entered Black)",
    " Totally Random",
    " Randomised Based On Entered",
    TIER_TARGET,
    TIER_APPROACH,
    TIER_AVERAGED,
};

const char* const kTierspinStrokeEntries[14] = {
    " Basic Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (use Entered Black)",
    " Gradient Based On Copies Randomised (use Black)",
    " Totally randomised",
    " Randomised Based On Entered",
    TIER_TARGET,
    TIER_APPROACH,
};

const char* const kTiergrowFillEntries[15] = {
    " Basic Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (use Black)",
    " Gradient Based On Copies Randomised (use Black)",
    " Totally Random",
    " Randomised Based On Entered",
    TIER_TARGET,
    TIER_APPROACH,
    TIER_AVERAGED,
};

const char* const kTiergrowStrokeEntries[14] = {
    " Basic Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (use Black)",
    " Gradient Based On Copies Randomised (use Black)",
    " Totally Randomised",
    " Randomised Based On Entered",
    TIER_TARGET,
    TIER_APPROACH,
};

const char* const kTiershiftFillEntries[15] = {
    " Default Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (use Black)",
    " Gradient Based On Copies Randomised (use Black)",
    " Totally Randomised",
    " Randomised Based On Entered",
    TIER_TARGET,
    TIER_APPROACH,
    TIER_AVERAGED,
};

const char* const kTiershiftStrokeEntries[14] = {
    " Default Gradient",
    " Gradient Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Set Black To Entered",
    " Basic Gradient Randomised",
    " Gradient Based On Copies Randomised",
    " Basic Gradient Randomised (use Black)",
    " Gradient Based On Copies Randomised (Use Entered Black)",
    " Totally Randomised",
    " Randomised Based On Entered",
    TIER_TARGET,
    TIER_APPROACH,
};

const char* const kTierWeightEntries[14] = {
    " Basic Line Weight",
    " Line Weight Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Tintshake Add",
    " Random Add Based On Copies",
    " Random Line Weight <= 10pts",
    " Random Line Weight <= Entered",
    TIER_TARGET,
    TIER_APPROACH,
    " Multiplied",
    " Line Weight Either Way",
    " Line Weight Either Way (Copies)",
};

const char* const kTierWeightCopiesEntries[14] = {
    " Basic Line Weight",
    " Line Weight Based On Copies",
    " Pulsed Copies",
    " Rapid Pulse",
    " Swap Around",
    " Tintshake Add",
    " Random Add Based On Copies",
    " Random Line Weight <= 10pts",
    " Random Line Weight <= Entered",
    TIER_TARGET,
    TIER_APPROACH,
    " Multiplied",
    " Line Weight Either Way",
    " Line Weight Either Way (copies)",
};

#undef TIER_TARGET
#undef TIER_APPROACH
#undef TIER_AVERAGED

// ---- Preparing a run -------------------------------------------------------

namespace {

// Where a colour's components are and which run values go with them.
struct ColourParts {
  Real* component[4];
  int32_t count;       // 0 for kinds the engine leaves alone
  int32_t firstValue;  // run value of the first component
};

ColourParts PartsOf(Colour& colour) {
  switch (colour.kind) {
    case kFourColour:
      return {{&colour.data.four.cyan, &colour.data.four.magenta, &colour.data.four.yellow,
               &colour.data.four.black},
              4, kCyanValue};
    case kThreeColour:
      return {{&colour.data.three.red, &colour.data.three.green, &colour.data.three.blue, nullptr},
              3, kRedValue};
    case kGreyColour:
      return {{&colour.data.grey, nullptr, nullptr, nullptr}, 1, kGreyValue};
    default:
      return {{nullptr, nullptr, nullptr, nullptr}, 0, 0};
  }
}

// Percent values / 100, three-colour values / 255.
void PrepareValues(Real cyan, Real magenta, Real yellow, Real black, Real red, Real green,
                   Real blue, Real grey, Real* prepared) {
  const Real entered[kColourValueCount] = {cyan, magenta, yellow, black, red, green, blue, grey};
  for (int32_t k = 0; k < kColourValueCount; ++k) {
    const bool threeColour = k >= kRedValue && k <= kBlueValue;
    prepared[k] = sMath->RealDivide(entered[k], threeColour ? 255.0f : 100.0f);
  }
}

// The fill colours of the selection, summed per colour model.
struct FillSums {
  Real sum[kColourValueCount];
  int32_t fourColour, threeColour, grey;  // art counted per model
};

FillSums SumFills(const ArtRef* selection, int32_t count) {
  FillSums sums = {};
  for (int32_t i = 0; i < count; ++i) {
    if (selection[i] == nullptr) continue;
    PathStyle style;
    if (sStyle->GetPathStyle(selection[i], &style) != kNoError) continue;
    ColourParts parts = PartsOf(style.fill);
    for (int32_t k = 0; k < parts.count; ++k) sums.sum[parts.firstValue + k] += *parts.component[k];
    if (style.fill.kind == kFourColour) ++sums.fourColour;
    if (style.fill.kind == kThreeColour) ++sums.threeColour;
    if (style.fill.kind == kGreyColour) ++sums.grey;
  }
  return sums;
}

void Average(const FillSums& sums, int32_t first, int32_t count, int32_t artCount, Real* values) {
  if (artCount == 0) return;
  for (int32_t k = first; k < first + count; ++k) {
    values[k] = sMath->RealDivide(sums.sum[k], static_cast<Real>(artCount));
  }
}

}  // namespace

FillStrokeRun PrepareFillStroke(const FillStrokeOptions& options, int32_t variant,
                                const ArtRef* selection, int32_t count) {
  const FillStrokeLists& lists =
      kFillStrokeLists[variant >= 0 && variant < kListVariantCount ? variant : kPlainLists];
  FillStrokeRun run = {};
  run.fillOn = options.fillOn;
  run.fillMode = options.fillMode;
  run.strokeOn = options.strokeOn;
  run.strokeMode = options.strokeMode;
  run.weightOn = options.weightOn;
  run.weightMode = options.weightMode;
  run.weight = options.weight;
  run.fillModeCount = lists.fill.count;
  run.strokeModeCount = lists.stroke.count;
  run.weightModeCount = lists.weight.count;
  const FillStrokeOptions& o = options;
  PrepareValues(o.fillCyan, o.fillMagenta, o.fillYellow, o.fillBlack, o.fillRed, o.fillGreen,
                o.fillBlue, o.fillGrey, run.fill);
  PrepareValues(o.strokeCyan, o.strokeMagenta, o.strokeYellow, o.strokeBlack, o.strokeRed,
                o.strokeGreen, o.strokeBlue, o.strokeGrey, run.stroke);

  if (options.fillMode == kAveragedToTarget && kAveragedToTarget < lists.fill.count &&
      selection != nullptr) {
    const FillSums sums = SumFills(selection, count);
    Average(sums, kCyanValue, 4, sums.fourColour, run.fill);
    Average(sums, kRedValue, 3, sums.threeColour, run.fill);
    Average(sums, kGreyValue, 1, sums.grey, run.fill);
  }
  return run;
}

// ---- Applying a run --------------------------------------------------------

namespace {

struct SeriesPlace {
  int32_t index;
  int32_t count;
  int32_t passIndex;
  int32_t passCount;
};

// Modes whose rule for every component but a four-colour black is another
// mode's.
int32_t BaseColourRule(int32_t mode) {
  switch (mode) {
    case kSetBlackToEntered: return kGradientOnCopies;
    case kBasicRandomisedUseBlack: return kBasicGradientRandomised;
    case kCopiesRandomisedUseBlack: return kGradientOnCopiesRandomised;
    case kAveragedToTarget: return kToTarget;
    default: return mode;
  }
}

bool SetsBlackToEntered(int32_t mode) {
  return mode == kSetBlackToEntered || mode == kBasicRandomisedUseBlack ||
         mode == kCopiesRandomisedUseBlack;
}

Real Draw() { return sRandom->RandomUnit(); }

Real ColourRule(int32_t rule, Real x, Real v, const SeriesPlace& at, bool threeColour) {
  const Real copies = static_cast<Real>(at.index + 1);
  const Real n = static_cast<Real>(at.count);
  switch (rule) {
    case kBasicGradient: return x + v;
    case kGradientOnCopies: return x + copies * v;
    case kPulsedCopies: return x + static_cast<Real>((at.index + 1) % 10) * v;
    case kRapidPulse: return x + static_cast<Real>((at.index + 1) % 3) * v;
    case kSwapAround: return x + static_cast<Real>(at.count - at.index) * v;
    case kBasicGradientRandomised: return x + v * Draw();
    case kGradientOnCopiesRandomised: return x + copies * v * Draw();
    case kTotallyRandom: return threeColour ? 2.55f * Draw() : Draw();
    case kRandomisedOnEntered: return v * Draw();
    case kToTarget: return x - copies * (x - v) / n;
    case kApproachTarget: return x - (x - v) / n;
    case kToTargetMultiPass:
      return x - copies * (x - v) * static_cast<Real>(at.passIndex + 1) /
                     (n * static_cast<Real>(at.passCount));
    default: return x;
  }
}

// One draw per component, in component order, as each rule says.
void ApplyColourMode(Colour& colour, int32_t mode, int32_t modeCount, const Real* values,
                     const SeriesPlace& at) {
  if (mode < 0 || mode >= modeCount) return;
  ColourParts parts = PartsOf(colour);
  const int32_t rule = BaseColourRule(mode);
  for (int32_t k = 0; k < parts.count; ++k) {
    const int32_t value = parts.firstValue + k;
    Real& x = *parts.component[k];
    if (value == kBlackValue && SetsBlackToEntered(mode)) {
      x = values[kBlackValue];
    } else {
      x = ColourRule(rule, x, values[value], at, colour.kind == kThreeColour);
    }
  }
}

void ApplyFillFactor(Colour& colour, Real factor) {
  ColourParts parts = PartsOf(colour);
  for (int32_t k = 0; k < parts.count; ++k) *parts.component[k] *= factor;
}

Real WeightRule(int32_t mode, Real w, Real q, const SeriesPlace& at) {
  const Real copies = static_cast<Real>(at.index + 1);
  const Real n = static_cast<Real>(at.count);
  switch (mode) {
    case kBasicLineWeight: return w + q;
    case kWeightOnCopies: return w + copies * q;
    case kWeightPulsedCopies: return w + static_cast<Real>((at.index + 1) % 10) * q;
    case kWeightRapidPulse: return w + static_cast<Real>((at.index + 1) % 3) * q;
    case kWeightSwapAround: return w + static_cast<Real>(at.count - at.index) * q;
    case kWeightRandomAdd: return w + Draw() * q;
    case kWeightRandomAddOnCopies: return w + copies * Draw() * q;
    case kWeightRandomUpTo10: return 10.0f * Draw();
    case kWeightRandomUpToEntered: return q * Draw();
    case kWeightToTarget: return w - copies * (w - q) / n;
    case kWeightApproachTarget: return w - (w - q) / n;
    case kWeightMultiplied: return q * w;
    case kWeightEitherWay: return Draw() > 0.5f ? w + q : w - q;
    case kWeightEitherWayOnCopies: return Draw() > 0.5f ? w + copies * q : w - copies * q;
    default: return w;
  }
}

HostError Apply(ArtRef art, const FillStrokeRun& run, const SeriesPlace& at, Real fillFactor) {
  // The target rules divide by both counts; an empty series or pass count
  // would write infinities into the document, so such a call is refused.
  if (at.count < 1 || at.passCount < 1) return kBadParameterError;
  PathStyle style;
  HostError error = sStyle->GetPathStyle(art, &style);
  if (error != kNoError) return error;
  if (run.fillOn) ApplyColourMode(style.fill, run.fillMode, run.fillModeCount, run.fill, at);
  if (fillFactor != 1.0f) ApplyFillFactor(style.fill, fillFactor);
  if (run.strokeOn) {
    ApplyColourMode(style.stroke, run.strokeMode, run.strokeModeCount, run.stroke, at);
  }
  if (run.weightOn && run.weightMode >= 0 && run.weightMode < run.weightModeCount) {
    style.strokeWidth = WeightRule(run.weightMode, style.strokeWidth, run.weight, at);
  }
  return sStyle->SetPathStyle(art, &style);
}

}  // namespace

HostError ApplyFillStroke(ArtRef art, const FillStrokeRun& run, int32_t index, int32_t count) {
  return Apply(art, run, SeriesPlace{index, count, 0, 1}, 1.0f);
}

HostError ApplyFillStroke(ArtRef art, const FillStrokeRun& run, int32_t index, int32_t count,
                          Real fillFactor) {
  return Apply(art, run, SeriesPlace{index, count, 0, 1}, fillFactor);
}

HostError ApplyFillStroke(ArtRef art, const FillStrokeRun& run, int32_t index, int32_t count,
                          int32_t passIndex, int32_t passCount) {
  return Apply(art, run, SeriesPlace{index, count, passIndex, passCount}, 1.0f);
}
