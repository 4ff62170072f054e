#include "framework/fillstroke_dialog.h"

#include <string.h>

namespace {

int32_t IntAt(const void* block, int32_t offset) {
  int32_t value;
  memcpy(&value, static_cast<const char*>(block) + offset, sizeof value);
  return value;
}

Real RealAt(const void* block, int32_t offset) {
  Real value;
  memcpy(&value, static_cast<const char*>(block) + offset, sizeof value);
  return value;
}

}  // namespace

FillStrokeOptions ReadFillStrokeOptions(const void* block, const FillStrokeOffsets& at) {
  FillStrokeOptions o;
  o.fillOn = IntAt(block, at.fillOn);
  o.fillMode = IntAt(block, at.fillMode);
  o.fillCyan = RealAt(block, at.fillValues + 4 * kCyanValue);
  o.fillMagenta = RealAt(block, at.fillValues + 4 * kMagentaValue);
  o.fillYellow = RealAt(block, at.fillValues + 4 * kYellowValue);
  o.fillBlack = RealAt(block, at.fillValues + 4 * kBlackValue);
  o.fillRed = RealAt(block, at.fillValues + 4 * kRedValue);
  o.fillGreen = RealAt(block, at.fillValues + 4 * kGreenValue);
  o.fillBlue = RealAt(block, at.fillValues + 4 * kBlueValue);
  o.fillGrey = RealAt(block, at.fillValues + 4 * kGreyValue);
  o.strokeOn = IntAt(block, at.strokeOn);
  o.strokeMode = IntAt(block, at.strokeMode);
  o.strokeCyan = RealAt(block, at.strokeValues + 4 * kCyanValue);
  o.strokeMagenta = RealAt(block, at.strokeValues + 4 * kMagentaValue);
  o.strokeYellow = RealAt(block, at.strokeValues + 4 * kYellowValue);
  o.strokeBlack = RealAt(block, at.strokeValues + 4 * kBlackValue);
  o.strokeRed = RealAt(block, at.strokeValues + 4 * kRedValue);
  o.strokeGreen = RealAt(block, at.strokeValues + 4 * kGreenValue);
  o.strokeBlue = RealAt(block, at.strokeValues + 4 * kBlueValue);
  o.strokeGrey = RealAt(block, at.strokeValues + 4 * kGreyValue);
  o.weightOn = IntAt(block, at.weightOn);
  o.weightMode = IntAt(block, at.weightMode);
  o.weight = RealAt(block, at.weight);
  return o;
}
