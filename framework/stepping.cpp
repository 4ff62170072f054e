#include "framework/stepping.h"

#include <string.h>

namespace {

// The bounce of all three step routines, for reals and integers alike.
template <typename Number>
void Bounce(Number moved, Number lower, Number upper, int32_t* direction, Number* value) {
  if (moved >= upper) {
    *value = upper;
    *direction = *direction ? 0 : 1;
  } else if (moved > lower) {
    *value = moved;
  } else {
    *value = lower;
    *direction = *direction ? 0 : 1;
  }
}

// StepBounceAdd and StepBounceInteger.
template <typename Number>
void StepAdd(int32_t enabled, Number base, int32_t* direction, Number lower, Number upper,
             Number* value, Number step) {
  if (!enabled) {
    *value = base;
    return;
  }
  const Number moved = *direction == 1 ? *value - step : *value + step;
  Bounce(moved, lower, upper, direction, value);
}

// A row whose step leaves the value alone (`steady`) is held at its start;
// any other goes through its step routine with the counter as the enable.
template <typename Row, typename State, typename Number>
Number Refresh(const Row& row, State* state, int32_t counter, Number steady,
               void (*step)(int32_t, Number, int32_t*, Number, Number, Number*, Number)) {
  if (row.step == steady) {
    state->value = row.start;
  } else {
    step(counter, row.start, &state->direction, row.minimum, row.maximum, &state->value,
         row.step);
  }
  return state->value;
}

}  // namespace

void StepBounceAdd(int32_t enabled, Real base, int32_t* direction, Real lower, Real upper,
                   Real* value, Real step) {
  StepAdd(enabled, base, direction, lower, upper, value, step);
}

void StepBounceMultiply(int32_t enabled, Real base, int32_t* direction, Real lower, Real upper,
                        Real* value, Real step) {
  if (!enabled) {
    *value = base;
    return;
  }
  Real moved;
  if (*direction == 1) {
    moved = step == 0.0f ? 0.0f : *value / step;
  } else {
    moved = *value * step;
  }
  Bounce(moved, lower, upper, direction, value);
}

void StepBounceInteger(int32_t enabled, int32_t base, int32_t* direction, int32_t lower,
                       int32_t upper, int32_t* value, int32_t step) {
  StepAdd(enabled, base, direction, lower, upper, value, step);
}

Real RefreshAdd(const BounceRow& row, BounceState* state, int32_t counter) {
  return Refresh(row, state, counter, 0.0f, StepBounceAdd);
}

Real RefreshMultiply(const BounceRow& row, BounceState* state, int32_t counter) {
  return Refresh(row, state, counter, 1.0f, StepBounceMultiply);
}

int32_t RefreshInteger(const IntBounceRow& row, IntBounceState* state, int32_t counter) {
  return Refresh(row, state, counter, 0, StepBounceInteger);
}

BounceRow PercentRow(const BounceRow& row) {
  return BounceRow{sMath->RealDivide(row.step, 100.0f), sMath->RealDivide(row.start, 100.0f),
                   sMath->RealDivide(row.minimum, 100.0f), sMath->RealDivide(row.maximum, 100.0f)};
}

// ---- Scale routines ----------------------------------------------------------

namespace {

// Bytes of colour data a kind-4 colour carries.
const size_t kSpotDataSize = 52;

// The components of a grey, four-colour or three-colour colour, in order;
// 0 for other kinds.
int32_t Components(Colour& colour, Real** out) {
  switch (colour.kind) {
    case kFourColour:
      out[0] = &colour.data.four.cyan;
      out[1] = &colour.data.four.magenta;
      out[2] = &colour.data.four.yellow;
      out[3] = &colour.data.four.black;
      return 4;
    case kThreeColour:
      out[0] = &colour.data.three.red;
      out[1] = &colour.data.three.green;
      out[2] = &colour.data.three.blue;
      return 3;
    case kGreyColour:
      out[0] = &colour.data.grey;
      return 1;
    default:
      return 0;
  }
}

// Enabled components of *colour become factor x the kept ones. Returns false
// when the kept colour is of another kind.
bool ScaleComponents(Colour* colour, const Colour& kept, Real factor, const int32_t enables[4]) {
  Colour source = kept;
  Real* from[4];
  const int32_t count = Components(source, from);
  if (count == 0) return false;
  colour->kind = kept.kind;
  Real* to[4];
  Components(*colour, to);
  for (int32_t k = 0; k < count; ++k) {
    if (enables[k]) *to[k] = factor * *from[k];
  }
  return true;
}

// First call: keeps the art's fill or stroke colour.
HostError KeepOnFirstCall(int32_t* first, ArtRef art, Colour* original, bool stroke) {
  if (!*first) return kNoError;
  PathStyle style;
  HostError error = sStyle->GetPathStyle(art, &style);
  if (error != kNoError) return error;
  *original = stroke ? style.stroke : style.fill;
  *first = 0;
  return kNoError;
}

}  // namespace

HostError ScaleFillFromOriginal(int32_t* first, ArtRef art, Real factor, const int32_t enables[4],
                                Colour* original, Real spotFirst, Real spotSecond) {
  HostError error = KeepOnFirstCall(first, art, original, false);
  if (error != kNoError) return error;
  PathStyle style;
  error = sStyle->GetPathStyle(art, &style);
  if (error != kNoError) return error;
  if (!ScaleComponents(&style.fill, *original, factor, enables)) {
    if (original->kind == kPatternColour) {
      style.fill = *original;
    } else if (original->kind == kSpotColour) {
      style.fill.kind = kSpotColour;
      memcpy(style.fill.data.raw, original->data.raw, kSpotDataSize);
      memcpy(style.fill.data.raw + 4, &spotFirst, 4);
      memcpy(style.fill.data.raw + 8, &spotSecond, 4);
    }
  }
  return sStyle->SetPathStyle(art, &style);
}

HostError ScaleStrokeFromOriginal(int32_t* first, ArtRef art, Real factor,
                                  const int32_t enables[4], Colour* original) {
  HostError error = KeepOnFirstCall(first, art, original, true);
  if (error != kNoError) return error;
  PathStyle style;
  error = sStyle->GetPathStyle(art, &style);
  if (error != kNoError) return error;
  ScaleComponents(&style.stroke, *original, factor, enables);
  return sStyle->SetPathStyle(art, &style);
}

HostError ScaleStrokeWidth(ArtRef art, Real* base, Real factor) {
  if (*base != 0.0f && factor == 1.0f) return kNoError;
  PathStyle style;
  HostError error = sStyle->GetPathStyle(art, &style);
  if (error != kNoError) return error;
  if (*base == 0.0f) *base = style.strokeWidth;
  if (factor == 1.0f) return kNoError;
  style.strokeWidth = factor * *base;
  return sStyle->SetPathStyle(art, &style);
}
