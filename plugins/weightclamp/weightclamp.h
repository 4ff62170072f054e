// Weightclamp: holds the stroke width of every selected path between a
// minimum and a maximum.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Kept by the host between uses; both values are what the user typed, in
// points, not ordered.
struct WeightclampParameters {
  float minimumWidth;
  float maximumWidth;
};
static_assert(sizeof(WeightclampParameters) == 8, "flat 32-bit layout");
static_assert(offsetof(WeightclampParameters, maximumWidth) == 4, "flat 32-bit layout");

enum : int32_t {
  kWeightclampDialog = 16000,
  kMinimumItem = 301,
  kMaximumItem = 302,
};
