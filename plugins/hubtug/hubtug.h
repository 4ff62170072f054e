// Hubtug: pulls the anchor points of the selected paths towards one or two
// centres, optionally repeating the pull, turning the paths a little further
// at each repeat and leaving a duplicate behind at each repeat.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Kept by the host between uses. Reals are points, percent or degrees as the
// dialog shows them; flags are 0 or 1.
struct HubtugParameters {
  float centre1X;
  float centre1Y;
  float pullPower1;  // percent
  float centre2X;
  float centre2Y;
  float pullPower2;  // percent
  float rotateCentreX;
  float rotateCentreY;
  float angle;  // degrees added to the turn at every repeat
  int32_t repeatsSlider;  // kept equal to repeats by the dialog
  int32_t repeats;        // what the work uses
  int32_t anchorPoints;   // control points travel with their anchor
  int32_t drag;           // nearer anchors are pulled proportionally less
  int32_t duplicate;
  int32_t inverse;        // push away from the centres instead
  int32_t previewOn;
  int32_t rotateObject;   // turn about the art's own centre
  int32_t rotateCentre;   // turn about (rotateCentreX, rotateCentreY)
  int32_t layers;         // a new layer before every duplicate
  int32_t randomColours;  // duplicates get random fill colours
  int32_t finalRun;
};
static_assert(sizeof(HubtugParameters) == 84, "flat 32-bit layout");
static_assert(offsetof(HubtugParameters, pullPower1) == 8, "flat 32-bit layout");
static_assert(offsetof(HubtugParameters, angle) == 32, "flat 32-bit layout");
static_assert(offsetof(HubtugParameters, repeatsSlider) == 36, "flat 32-bit layout");
static_assert(offsetof(HubtugParameters, previewOn) == 60, "flat 32-bit layout");
static_assert(offsetof(HubtugParameters, randomColours) == 76, "flat 32-bit layout");
static_assert(offsetof(HubtugParameters, finalRun) == 80, "flat 32-bit layout");

enum : int32_t {
  kHubtugDialog = 16000,
  kHubtugPreviewItem = 3,
  kCentre1XItem = 4,
  kCentre2XItem = 5,
  kCentre1YItem = 6,
  kCentre2YItem = 7,
  kPullPower1Item = 8,
  kPullPower2Item = 9,
  kRepeatsItem = 10,
  kAnchorPointsItem = 11,
  kDragItem = 12,
  kAngleItem = 13,
  kRotateObjectItem = 14,
  kRotateCentreItem = 15,
  kRotateCentreXItem = 16,
  kRotateCentreYItem = 17,
  kDuplicateItem = 18,
  kLayersItem = 19,
  kInverseItem = 20,
  kRandomColoursItem = 21,
  kRepeatsSliderItem = 200,
};
