// Sagline: moves every anchor point of the selected paths down, up, left
// and/or right by a distance or by a share of its own coordinate, one or
// more times, optionally leaving a duplicate behind after each step. The
// control points stay put, so the curves sag towards the moved anchors.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Kept by the host between uses; flags are 0 or 1.
struct SaglineParameters {
  float byPoints;     // distance of one move, points
  float percentage;   // nonzero: move by this percent of the coordinate instead
  int32_t sagRepeats;
  int32_t moveUp;     // the moves apply in the order down, up, left, right
  int32_t moveLeft;
  int32_t moveRight;
  int32_t moveDown;
  int32_t previewOn;
  int32_t sagDuplicate;
  int32_t newLayer;   // a new layer before every duplicate
  int32_t finalRun;
};
static_assert(sizeof(SaglineParameters) == 44, "flat 32-bit layout");
static_assert(offsetof(SaglineParameters, sagRepeats) == 8, "flat 32-bit layout");
static_assert(offsetof(SaglineParameters, moveDown) == 24, "flat 32-bit layout");
static_assert(offsetof(SaglineParameters, previewOn) == 28, "flat 32-bit layout");
static_assert(offsetof(SaglineParameters, finalRun) == 40, "flat 32-bit layout");

enum : int32_t {
  kSaglineDialog = 16000,
  kByPointsItem = 301,
  kPercentageItem = 302,
  kSagRepeatsItem = 303,
  kMoveUpItem = 304,
  kMoveLeftItem = 305,
  kMoveRightItem = 306,
  kMoveDownItem = 307,
  kSaglinePreviewItem = 308,
  kSagDuplicateItem = 309,
  kNewLayerItem = 310,
};
