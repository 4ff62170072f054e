// The Fill/Stroke Options dialog: the sub-dialog that edits a plug-in's
// fill/stroke settings, as a DialogSpec of the toolkit.
//
// Three groups (fill colour, stroke colour, stroke weight), each a check box,
// a mode list and its values. Every change of any item stores every item
// into the block, redraws the main dialog's preview when it is on and
// remembers the dialog's place (kStoreOnChange). The dialog has only an OK
// button; the main dialog's Cancel restores the block.
//
// A plug-in declares, at namespace scope:
//
//   constexpr FillStrokeDialogSetup kFillSetup = MakeFillStrokeSetup(
//       kReplicorFillStroke, ContiguousFillStroke(offsetof(Block, fillStroke)),
//       BlockLayout{...the main run state, the fill dialog's rectangle...}, RunPreview);
//   constexpr FillStrokeFieldTable kFillFields = FillStrokeFieldSpecs(kFillSetup);
//   constexpr DialogSpec kFillDialog = FillStrokeDialogSpec(kFillSetup, kFillFields);
//
// and puts FillStrokeButton(itemId, &kFillDialog) into its main dialog's
// button table. The resource is framework/resources/fillstroke.rc.
#pragma once

#include <stddef.h>

#include "framework/dialogs.h"
#include "framework/fillstroke.h"

// Byte offsets, in the parameter block, of the fields the dialog edits. The
// eight values of a colour group are consecutive reals, cyan to grey.
struct FillStrokeOffsets {
  int32_t fillOn, fillMode, fillValues;
  int32_t strokeOn, strokeMode, strokeValues;
  int32_t weightOn, weightMode, weight;
};

// The offsets of a FillStrokeOptions kept whole at byte offset `at`.
constexpr FillStrokeOffsets ContiguousFillStroke(int32_t at) {
  return {at + static_cast<int32_t>(offsetof(FillStrokeOptions, fillOn)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, fillMode)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, fillCyan)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, strokeOn)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, strokeMode)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, strokeCyan)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, weightOn)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, weightMode)),
          at + static_cast<int32_t>(offsetof(FillStrokeOptions, weight))};
}

// Gathers the settings of a block whose fields are spread out (the modes
// apart from the values) into the engine's record.
FillStrokeOptions ReadFillStrokeOptions(const void* block, const FillStrokeOffsets& at);

// Item ids of one group: its check box, its list and its first value (the
// other values follow: cyan, magenta, yellow, black, red, green, blue, grey;
// the weight group has one value).
struct FillStrokeGroupItems {
  int32_t check;
  int32_t list;
  int32_t first;
};

struct FillStrokeItems {
  FillStrokeGroupItems fill;
  FillStrokeGroupItems stroke;
  FillStrokeGroupItems weight;
  int32_t ok;
};

// What differs between the plug-ins' copies of the dialog.
struct FillStrokePreset {
  const char* name;     // the dialog name given to RunModalDialog
  int32_t resourceId;
  int32_t variant;      // list variant (framework/fillstroke.h)
  FillStrokeItems items;
  int32_t focusFirst;   // focus the first fill value at set-up
};

inline constexpr FillStrokeItems kNumberedFillStrokeItems = {
    {401, 402, 403}, {411, 412, 413}, {421, 422, 423}, kOKItem};

inline constexpr FillStrokePreset kStrewfieldFillStroke = {
    "Fill Dialog", 16200, kPlainLists, {{60, 61, 62}, {70, 71, 72}, {80, 81, 82}, kOKItem}, 1};
// Replicor's OK button carries id 1612 and has no procedure of its own.
inline constexpr FillStrokePreset kReplicorFillStroke = {
    "Fill Dialog", 16200, kAveragedLists,
    {kNumberedFillStrokeItems.fill, kNumberedFillStrokeItems.stroke,
     kNumberedFillStrokeItems.weight, 1612},
    1};
inline constexpr FillStrokePreset kRingcasterFillStroke = {
    "Fill Dialog", 16200, kMultiPassLists, kNumberedFillStrokeItems, 1};
inline constexpr FillStrokePreset kDentwellFillStroke = {
    "Fill Dialog", 16200, kAveragedLists, kNumberedFillStrokeItems, 1};
inline constexpr FillStrokePreset kRulewiseFillStroke = {
    "Fill", 16200, kPlainLists, kNumberedFillStrokeItems, 1};
inline constexpr FillStrokePreset kTierspinFillStroke = {
    "TierspinFill", 16200, kTierspinLists, {{11, 37, 12}, {20, 38, 21}, {29, 39, 30}, kOKItem}, 0};
inline constexpr FillStrokePreset kTiergrowFillStroke = {
    "Tiergrow Fill", 16150, kTiergrowLists, {{11, 37, 12}, {20, 38, 21}, {29, 39, 30}, kOKItem}, 0};
inline constexpr FillStrokePreset kTiershiftFillStroke = {
    "Tiershift Fill", 16200, kTiershiftLists, {{9, 32, 10}, {18, 33, 19}, {27, 34, 28}, kOKItem}, 0};

// Ranges of the value fields.
inline constexpr Real kPercentLimit = 100.0f;     // cyan, magenta, yellow, black, grey
inline constexpr Real kThreeColourLimit = 255.0f;  // red, green, blue
inline constexpr Real kWeightLimit = 50.0f;        // points
inline constexpr int32_t kFillStrokeDigits = 5;

struct FillStrokeDialogSetup {
  FillStrokePreset preset;
  FillStrokeOffsets fields;
  // The main dialog's run state (finalRun, previewOn, previewCurrent,
  // pluginRef) and this dialog's own rectangle and its flag.
  BlockLayout layout;
  // The main dialog's work routine.
  HostError (*runPreview)(void* block);
};

constexpr FillStrokeDialogSetup MakeFillStrokeSetup(const FillStrokePreset& preset,
                                                    const FillStrokeOffsets& fields,
                                                    const BlockLayout& layout,
                                                    HostError (*runPreview)(void* block)) {
  return {preset, fields, layout, runPreview};
}

// Three check boxes, three lists and seventeen values, group by group: check
// box, list, values.
enum : int32_t { kFillStrokeFieldCount = 23 };

struct FillStrokeFieldTable {
  FieldSpec fields[kFillStrokeFieldCount];
};

namespace fillstroke_detail {

constexpr FieldSpec CheckBox(int32_t item, int32_t offset) {
  return {item, kCheckBox, offset, 0.0f, 0.0f, 0, nullptr, 0, 0, 0, 0};
}

constexpr FieldSpec List(int32_t item, int32_t offset, const EntryList& entries) {
  return {item, kPopupList, offset, 0.0f, 0.0f, 0, entries.texts, entries.count, 0, 0, 0};
}

constexpr FieldSpec Value(int32_t item, int32_t offset, Real limit) {
  return {item, kRealField, offset, -limit, limit, kFillStrokeDigits, nullptr, 0, 0, 0, 0};
}

constexpr Real ColourLimit(int32_t value) {
  return value >= kRedValue && value <= kBlueValue ? kThreeColourLimit : kPercentLimit;
}

}  // namespace fillstroke_detail

constexpr FillStrokeFieldTable FillStrokeFieldSpecs(const FillStrokeDialogSetup& setup) {
  namespace d = fillstroke_detail;
  const FillStrokeItems& items = setup.preset.items;
  const FillStrokeOffsets& at = setup.fields;
  const FillStrokeLists& lists = kFillStrokeLists[setup.preset.variant];
  FillStrokeFieldTable table = {};
  int32_t n = 0;
  table.fields[n++] = d::CheckBox(items.fill.check, at.fillOn);
  table.fields[n++] = d::List(items.fill.list, at.fillMode, lists.fill);
  for (int32_t k = 0; k < kColourValueCount; ++k) {
    table.fields[n++] = d::Value(items.fill.first + k, at.fillValues + 4 * k, d::ColourLimit(k));
  }
  table.fields[n++] = d::CheckBox(items.stroke.check, at.strokeOn);
  table.fields[n++] = d::List(items.stroke.list, at.strokeMode, lists.stroke);
  for (int32_t k = 0; k < kColourValueCount; ++k) {
    table.fields[n++] =
        d::Value(items.stroke.first + k, at.strokeValues + 4 * k, d::ColourLimit(k));
  }
  table.fields[n++] = d::CheckBox(items.weight.check, at.weightOn);
  table.fields[n++] = d::List(items.weight.list, at.weightMode, lists.weight);
  table.fields[n++] = d::Value(items.weight.first, at.weight, kWeightLimit);
  return table;
}

// The dialog; `fields` must be the table made from the same setup and live
// as long as the DialogSpec (both at namespace scope).
constexpr DialogSpec FillStrokeDialogSpec(const FillStrokeDialogSetup& setup,
                                          const FillStrokeFieldTable& fields) {
  DialogSpec spec = {};
  spec.name = setup.preset.name;
  spec.resourceId = setup.preset.resourceId;
  spec.storing = kStoreOnChange;
  spec.fields = fields.fields;
  spec.fieldCount = kFillStrokeFieldCount;
  spec.buttons = nullptr;
  spec.buttonCount = 0;
  spec.layout = setup.layout;
  spec.previewItem = 0;  // the preview box is the main dialog's
  spec.runPreview = setup.runPreview;
  spec.afterStore = nullptr;
  spec.focusItem = setup.preset.focusFirst ? setup.preset.items.fill.first : 0;
  spec.notifyOnOpen = nullptr;
  spec.notifyOnOpenCount = 0;
  // Restores its place at set-up; stores it on every change (and on OK where
  // the OK button is item 1).
  spec.remembersPlace = 1;
  return spec;
}

// The main dialog's button that opens the dialog.
constexpr ButtonSpec FillStrokeButton(int32_t item, const DialogSpec* dialog) {
  return {item, dialog, nullptr, nullptr, 0};
}
