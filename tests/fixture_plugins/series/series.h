// Series fixture: a newer-generation deliverable that makes a row of copies
// of each selected path and varies their fill, stroke and width along the
// row. It drives the dialog toolkit's table-described procedures and the
// Fill/Stroke Options dialog the way the series-making filters do: one
// store-on-change main dialog with a slider/edit pair, a list, a check box,
// the preview, a "&Fill/Stroke..." sub-dialog button and a "R&eset" button.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "framework/fillstroke.h"
#include "framework/fillstroke_dialog.h"

// Kept by the host between uses.
struct SeriesParameters {
  int32_t copyCount;    // copies made of each selected path, 1 to 50
  Real step;            // points each copy lies right of the one before
  int32_t mode;         // entry id of the mode list; kept, not read by the work
  int32_t selectCopies; // the copies stay selected (a copy starts as its source)
  int32_t previewOn;
  FillStrokeOptions fillStroke;
  int32_t finalRun;
  int32_t previewCurrent;
  PluginRef pluginRef;
  IntRect mainDialogBounds;
  int32_t mainBoundsSaved;
  IntRect fillDialogBounds;
  int32_t fillBoundsSaved;
};
static_assert(sizeof(SeriesParameters) == 164, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, step) == 4, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, previewOn) == 16, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, fillStroke) == 20, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, finalRun) == 112, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, previewCurrent) == 116, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, pluginRef) == 120, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, mainDialogBounds) == 124, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, mainBoundsSaved) == 140, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, fillDialogBounds) == 144, "flat 32-bit layout");
static_assert(offsetof(SeriesParameters, fillBoundsSaved) == 160, "flat 32-bit layout");

// Main dialog 16100 and its items.
enum : int32_t {
  kSeriesDialog = 16100,
  kSeriesPreviewItem = 3,
  kCopyCountItem = 4,     // edit field; pair of the slider
  kCopyCountSlider = 5,   // shows copyCount, stores nothing of its own
  kStepItem = 6,
  kModeItem = 7,
  kSelectCopiesItem = 8,
  kFillStrokeItem = 9,    // opens the Fill/Stroke Options dialog
  kResetItem = 10,
};

enum : int32_t {
  kMinCopies = 1,
  kMaxCopies = 50,
  kSeriesModes = 4,
};
inline constexpr Real kStepLimit = 1000.0f;

// The values "R&eset" writes, also those of a new block.
inline constexpr int32_t kDefaultCopyCount = 3;
inline constexpr Real kDefaultStep = 20.0f;
inline constexpr int32_t kDefaultMode = 0;
inline constexpr int32_t kDefaultSelectCopies = 0;

// The Fill/Stroke Options copy: "Fill Dialog", resource 16200, items 401 to
// 423, fill modes 0 to 14.
inline constexpr const FillStrokePreset& kSeriesFillStroke = kDentwellFillStroke;
