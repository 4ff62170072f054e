// Step and scale routines of the plug-ins whose measures bounce between
// limits from step to step (latticor, whorlwick, spikewheel and the earlier
// editions), and the BounceRow that drives them.
#pragma once

#include <stddef.h>

#include "framework/plugin.h"

// ---- Step routines ---------------------------------------------------------
//
// Each works on the caller's variables. Not enabled: value = base. Enabled:
// the value moves by step (direction 0) or back by step (direction 1); a
// result at or above upper gives upper, one at or below lower gives lower,
// and either turns the direction round (0 <-> 1).

void StepBounceAdd(int32_t enabled, Real base, int32_t* direction, Real lower, Real upper,
                   Real* value, Real step);
// Moves by multiplying by step, back by dividing by it (0 when step is 0).
void StepBounceMultiply(int32_t enabled, Real base, int32_t* direction, Real lower, Real upper,
                        Real* value, Real step);
void StepBounceInteger(int32_t enabled, int32_t base, int32_t* direction, int32_t lower,
                       int32_t upper, int32_t* value, int32_t step);

// ---- Bounce rows -------------------------------------------------------------

// Four consecutive block fields, in the order of the dialog's columns
// ("Uniform", "Start", minimum, maximum).
struct BounceRow {
  Real step;
  Real start;
  Real minimum;
  Real maximum;
};
static_assert(sizeof(BounceRow) == 16, "flat 32-bit layout");
static_assert(offsetof(BounceRow, maximum) == 12, "flat 32-bit layout");

struct IntBounceRow {
  int32_t step;
  int32_t start;
  int32_t minimum;
  int32_t maximum;
};
static_assert(sizeof(IntBounceRow) == 16, "flat 32-bit layout");
static_assert(offsetof(IntBounceRow, maximum) == 12, "flat 32-bit layout");

// A row's run-time state; zero (value 0, direction 0) at the start of every
// run or pass.
struct BounceState {
  Real value;
  int32_t direction;
};

struct IntBounceState {
  int32_t value;
  int32_t direction;
};

// Refreshing a row with a counter: counter 0 gives start, each later refresh
// moves on by step and turns back at the limits. A row whose step leaves the
// value alone (0 for adding rows, 1.0 for multiplying rows) stays at start.
// The new value is kept in the state and returned.
Real RefreshAdd(const BounceRow& row, BounceState* state, int32_t counter);
Real RefreshMultiply(const BounceRow& row, BounceState* state, int32_t counter);
int32_t RefreshInteger(const IntBounceRow& row, IntBounceState* state, int32_t counter);

// A percent row as fractions: all four values divided by 100, once per run.
BounceRow PercentRow(const BounceRow& row);

// ---- Scale routines ------------------------------------------------------

// On the first call (*first set; it is then cleared) keeps the art's fill
// (kind and data) in *original.
// Every call then rewrites the art's fill from the kept one: grey,
// four-colour and three-colour fills take factor x the kept value in each
// enabled component (enables[k] for component k; grey is component 0) and
// keep the art's own value in the others; a kind-2 fill gets the kept data
// back whole; a kind-4 fill gets its 52 bytes of kept data back, with its
// second and third 32-bit words set to spotFirst and spotSecond. The kept
// kind is written too. Returns the error of GetPathStyle or SetPathStyle.
HostError ScaleFillFromOriginal(int32_t* first, ArtRef art, Real factor, const int32_t enables[4],
                                Colour* original, Real spotFirst, Real spotSecond);

// The same for the stroke colour; only grey, four-colour and three-colour
// strokes are rewritten.
HostError ScaleStrokeFromOriginal(int32_t* first, ArtRef art, Real factor,
                                  const int32_t enables[4], Colour* original);

// A *base of 0 takes the art's stroke width. A factor other than 1.0 makes
// the width factor x *base.
HostError ScaleStrokeWidth(ArtRef art, Real* base, Real factor);
