// Tintshake: changes the fill and stroke colours of the selected paths at
// random or by fixed amounts, through six channels (one per colour model and
// paint).
#pragma once

#include <corvane/types.h>

#include <stddef.h>
#include <stdint.h>

enum : int32_t {
  kTintshakeChannels = 6,
  kTintshakeComponents = 8,
  kTintshakeModes = 13,
};

// Channels, in list order: the list entry id is the channel number.
enum : int32_t {
  kChannelCmykFill = 0,
  kChannelRgbFill = 1,
  kChannelGreyFill = 2,
  kChannelCmykStroke = 3,
  kChannelRgbStroke = 4,
  kChannelGreyStroke = 5,
};

// Positions in fillValue and strokeValue.
enum : int32_t {
  kCyan = 0,
  kMagenta = 1,
  kYellow = 2,
  kBlack = 3,
  kRed = 4,
  kGreen = 5,
  kBlue = 6,
  kGrey = 7,
};

// Kept by the host between uses. Entered values are percentages (three-colour
// ones -255 to 255), divided by 100 when a run uses them.
struct TintshakeParameters {
  int32_t channel;                              // the channel the dialog shows
  int32_t channelMode[kTintshakeChannels];      // mode id, 0 to 12
  int32_t channelActive[kTintshakeChannels];    // the channel changes colours
  Real fillValue[kTintshakeComponents];
  Real strokeValue[kTintshakeComponents];
  int32_t previewOn;
  int32_t finalRun;
  int32_t previewCurrent;
  IntRect dialogBounds;
  int32_t dialogBoundsValid;
};
static_assert(sizeof(TintshakeParameters) == 148, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, channelMode) == 4, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, channelActive) == 28, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, fillValue) == 52, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, strokeValue) == 84, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, previewOn) == 116, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, finalRun) == 120, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, previewCurrent) == 124, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, dialogBounds) == 128, "flat 32-bit layout");
static_assert(offsetof(TintshakeParameters, dialogBoundsValid) == 144, "flat 32-bit layout");

// Dialog 16100 and its items.
enum : int32_t {
  kTintshakeDialog = 16100,
  kPreviewItem = 3,
  kChannelListItem = 4,
  kModeListItem = 5,
  kActiveItem = 6,
  kFirstEditItem = 7,     // pairs: edit 7, 9, 11, 13 with slider 8, 10, 12, 14
  kFirstLabelItem = 15,   // labels 15 to 18 of the four pairs
  kRandomiseItem = 19,
  kResetItem = 20,
  kTintshakePairs = 4,
};

inline int32_t PairEditItem(int32_t pair) { return kFirstEditItem + 2 * pair; }
inline int32_t PairSliderItem(int32_t pair) { return kFirstEditItem + 2 * pair + 1; }
