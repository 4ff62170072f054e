// The fill/stroke variation engine: changes the fill colour, stroke colour
// and stroke width of one path of a series according to three independently
// chosen modes, the path's place in the series and the series length.
//
// A series-making plug-in keeps a FillStrokeOptions in its parameter block,
// calls PrepareFillStroke once per run and ApplyFillStroke for every path it
// makes. The mode lists differ a little between plug-ins (how many fill
// modes there are, some entry texts); a list variant names the plug-in's
// lists, and a mode outside its list leaves the colour or width unchanged.
#pragma once

#include <stddef.h>

#include "framework/plugin.h"

// The eight values of a colour group, in block order. Four-colour art uses
// cyan to black, three-colour art red to blue, grey art grey.
enum : int32_t {
  kCyanValue = 0,
  kMagentaValue = 1,
  kYellowValue = 2,
  kBlackValue = 3,
  kRedValue = 4,
  kGreenValue = 5,
  kBlueValue = 6,
  kGreyValue = 7,
  kColourValueCount = 8,
};

// The user's settings, as the dialog stores them: colour values in percent
// (red, green and blue on the 0-255 scale), the weight in points.
struct FillStrokeOptions {
  int32_t fillOn;
  int32_t fillMode;
  Real fillCyan, fillMagenta, fillYellow, fillBlack;
  Real fillRed, fillGreen, fillBlue;
  Real fillGrey;
  int32_t strokeOn;
  int32_t strokeMode;
  Real strokeCyan, strokeMagenta, strokeYellow, strokeBlack;
  Real strokeRed, strokeGreen, strokeBlue;
  Real strokeGrey;
  int32_t weightOn;
  int32_t weightMode;
  Real weight;
};
static_assert(sizeof(FillStrokeOptions) == 23 * 4, "flat 32-bit layout");
static_assert(offsetof(FillStrokeOptions, fillCyan) == 2 * 4, "flat 32-bit layout");
static_assert(offsetof(FillStrokeOptions, fillGrey) == 9 * 4, "flat 32-bit layout");
static_assert(offsetof(FillStrokeOptions, strokeOn) == 10 * 4, "flat 32-bit layout");
static_assert(offsetof(FillStrokeOptions, strokeCyan) == 12 * 4, "flat 32-bit layout");
static_assert(offsetof(FillStrokeOptions, strokeGrey) == 19 * 4, "flat 32-bit layout");
static_assert(offsetof(FillStrokeOptions, weightOn) == 20 * 4, "flat 32-bit layout");
static_assert(offsetof(FillStrokeOptions, weight) == 22 * 4, "flat 32-bit layout");

// Colour modes (fill and stroke lists share the indices).
enum : int32_t {
  kBasicGradient = 0,
  kGradientOnCopies = 1,
  kPulsedCopies = 2,
  kRapidPulse = 3,
  kSwapAround = 4,
  kSetBlackToEntered = 5,
  kBasicGradientRandomised = 6,
  kGradientOnCopiesRandomised = 7,
  kBasicRandomisedUseBlack = 8,
  kCopiesRandomisedUseBlack = 9,
  kTotallyRandom = 10,
  kRandomisedOnEntered = 11,
  kToTarget = 12,
  kApproachTarget = 13,
  kAveragedToTarget = 14,
  kToTargetMultiPass = 15,
};

// Weight modes.
enum : int32_t {
  kBasicLineWeight = 0,
  kWeightOnCopies = 1,
  kWeightPulsedCopies = 2,
  kWeightRapidPulse = 3,
  kWeightSwapAround = 4,
  kWeightRandomAdd = 5,
  kWeightRandomAddOnCopies = 6,
  kWeightRandomUpTo10 = 7,
  kWeightRandomUpToEntered = 8,
  kWeightToTarget = 9,
  kWeightApproachTarget = 10,
  kWeightMultiplied = 11,
  kWeightEitherWay = 12,
  kWeightEitherWayOnCopies = 13,
};

// ---- List variants -------------------------------------------------------

enum : int32_t {
  kPlainLists = 0,      // strewfield, rulewise: fill modes 0-13
  kAveragedLists = 1,   // replicor, dentwell: fill modes 0-14
  kMultiPassLists = 2,  // ringcaster: fill modes 0-15
  kTierspinLists = 3,   // tierspin, tiergrow, tiershift: fill modes 0-14 with
  kTiergrowLists = 4,   //   relabelled target entries and entry texts of
  kTiershiftLists = 5,  //   their own
  kListVariantCount = 6,
};

// Entry texts of one list, each beginning with one space; entry id = index.
struct EntryList {
  const char* const* texts;
  int32_t count;
};

struct FillStrokeLists {
  EntryList fill;
  EntryList stroke;
  EntryList weight;
};

// The texts (in fillstroke.cpp). Lists that share their texts share an array;
// a shorter list uses the first entries of a longer one.
extern const char* const kFillEntries[16];
extern const char* const kStrokeEntries[14];
extern const char* const kWeightEntries[14];
extern const char* const kTierspinFillEntries[15];
extern const char* const kTierspinStrokeEntries[14];
extern const char* const kTiergrowFillEntries[15];
extern const char* const kTiergrowStrokeEntries[14];
extern const char* const kTiershiftFillEntries[15];
extern const char* const kTiershiftStrokeEntries[14];
extern const char* const kTierWeightEntries[14];
extern const char* const kTierWeightCopiesEntries[14];

// Indexed by list variant.
inline constexpr FillStrokeLists kFillStrokeLists[kListVariantCount] = {
    {{kFillEntries, 14}, {kStrokeEntries, 14}, {kWeightEntries, 14}},
    {{kFillEntries, 15}, {kStrokeEntries, 14}, {kWeightEntries, 14}},
    {{kFillEntries, 16}, {kStrokeEntries, 14}, {kWeightEntries, 14}},
    {{kTierspinFillEntries, 15}, {kTierspinStrokeEntries, 14}, {kTierWeightCopiesEntries, 14}},
    {{kTiergrowFillEntries, 15}, {kTiergrowStrokeEntries, 14}, {kTierWeightCopiesEntries, 14}},
    {{kTiershiftFillEntries, 15}, {kTiershiftStrokeEntries, 14}, {kTierWeightEntries, 14}},
};

// ---- The engine ----------------------------------------------------------

// The values prepared for one run: colour values as fractions (percent / 100,
// red, green and blue / 255), the weight in points, flags and modes as
// entered, and the lengths of the plug-in's lists. Plain data: a plug-in
// that scales the values per pass (ringcaster) changes them between passes.
struct FillStrokeRun {
  int32_t fillOn;
  int32_t fillMode;
  Real fill[kColourValueCount];
  int32_t strokeOn;
  int32_t strokeMode;
  Real stroke[kColourValueCount];
  int32_t weightOn;
  int32_t weightMode;
  Real weight;
  int32_t fillModeCount;
  int32_t strokeModeCount;
  int32_t weightModeCount;
};

// Prepares a run for the plug-in's list variant (an unknown variant counts
// as kPlainLists). With fill mode 14 in a variant that lists it, the fill
// targets of each colour model are replaced by the average fill of the
// selected art of that model (null entries are passed over; art whose style
// cannot be read takes no part); models with no such art keep the entered
// values. selection may be null when count is 0.
FillStrokeRun PrepareFillStroke(const FillStrokeOptions& options, int32_t variant,
                                const ArtRef* selection, int32_t count);

// Changes the style of one path of a series: index is its 0-based position,
// count the series length. Returns the error of GetPathStyle (nothing
// changed) or of SetPathStyle. Nothing is clamped. A count (or, in
// ringcaster's form, a pass count) below 1 gives kBadParameterError without
// touching the art.
HostError ApplyFillStroke(ArtRef art, const FillStrokeRun& run, int32_t index, int32_t count);

// Replicor's form: a fill factor other than 1.0 multiplies every component of
// a grey, four-colour or three-colour fill after the fill mode, whether fill
// variation is on or not.
HostError ApplyFillStroke(ArtRef art, const FillStrokeRun& run, int32_t index, int32_t count,
                          Real fillFactor);

// Ringcaster's form: the pass (0-based) and pass count that "To Target
// Multi-Pass" uses.
HostError ApplyFillStroke(ArtRef art, const FillStrokeRun& run, int32_t index, int32_t count,
                          int32_t passIndex, int32_t passCount);
