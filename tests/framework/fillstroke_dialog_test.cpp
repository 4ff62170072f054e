// The Fill/Stroke Options dialog: the DialogSpec each plug-in's copy yields
// (items, kinds, offsets, ranges, lists, storing), the mode lists of every
// variant, and the resource's default copy as it opens in a deliverable.
#include "framework/fillstroke_dialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/harness.h"
#include "tests/fixture_plugins/series/series.h"

namespace {

HostError NoWork(void*) { return kNoError; }

const BlockLayout kLayout = {100, 0, 104, 108, 112, 128};

// A plug-in declares its copy at namespace scope; this one proves the whole
// chain is a constant expression.
constexpr FillStrokeDialogSetup kStaticSetup =
    MakeFillStrokeSetup(kReplicorFillStroke, ContiguousFillStroke(160),
                        BlockLayout{0, 4, 8, 12, 16, 32}, NoWork);
constexpr FillStrokeFieldTable kStaticFields = FillStrokeFieldSpecs(kStaticSetup);
constexpr DialogSpec kStaticDialog = FillStrokeDialogSpec(kStaticSetup, kStaticFields);
constexpr ButtonSpec kStaticButton = FillStrokeButton(35, &kStaticDialog);

TEST(FillStrokeDialog, AStaticCopyOpensFromItsButton) {
  EXPECT_EQ(kStaticButton.item, 35);
  EXPECT_EQ(kStaticButton.subDialog, &kStaticDialog);
  EXPECT_EQ(kStaticButton.action, nullptr);
  EXPECT_EQ(kStaticDialog.fields, kStaticFields.fields);
  EXPECT_EQ(kStaticDialog.fields[2].offset, 160 + 8);
}

struct PresetCase {
  const char* plugin;
  const FillStrokePreset* preset;
  const char* name;
  int32_t resourceId;
  int32_t variant;
  int32_t ids[3][3];  // check box, list, first value of fill, stroke, weight
  int32_t ok;
  int32_t focus;      // 0: none
};

const std::vector<PresetCase>& PresetCases() {
  static const std::vector<PresetCase> cases = {
      {"strewfield", &kStrewfieldFillStroke, "Fill Dialog", 16200, kPlainLists,
       {{60, 61, 62}, {70, 71, 72}, {80, 81, 82}}, 1, 62},
      {"replicor", &kReplicorFillStroke, "Fill Dialog", 16200, kAveragedLists,
       {{401, 402, 403}, {411, 412, 413}, {421, 422, 423}}, 1612, 403},
      {"ringcaster", &kRingcasterFillStroke, "Fill Dialog", 16200, kMultiPassLists,
       {{401, 402, 403}, {411, 412, 413}, {421, 422, 423}}, 1, 403},
      {"dentwell", &kDentwellFillStroke, "Fill Dialog", 16200, kAveragedLists,
       {{401, 402, 403}, {411, 412, 413}, {421, 422, 423}}, 1, 403},
      {"rulewise", &kRulewiseFillStroke, "Fill", 16200, kPlainLists,
       {{401, 402, 403}, {411, 412, 413}, {421, 422, 423}}, 1, 403},
      {"tierspin", &kTierspinFillStroke, "TierspinFill", 16200, kTierspinLists,
       {{11, 37, 12}, {20, 38, 21}, {29, 39, 30}}, 1, 0},
      {"tiergrow", &kTiergrowFillStroke, "Tiergrow Fill", 16150, kTiergrowLists,
       {{11, 37, 12}, {20, 38, 21}, {29, 39, 30}}, 1, 0},
      {"tiershift", &kTiershiftFillStroke, "Tiershift Fill", 16200, kTiershiftLists,
       {{9, 32, 10}, {18, 33, 19}, {27, 34, 28}}, 1, 0},
  };
  return cases;
}

TEST(FillStrokeDialog, EachPluginsCopyHasItsItemsListsAndRanges) {
  const int32_t at = 40;  // where the block keeps its FillStrokeOptions
  for (const PresetCase& c : PresetCases()) {
    SCOPED_TRACE(c.plugin);
    const FillStrokeDialogSetup setup =
        MakeFillStrokeSetup(*c.preset, ContiguousFillStroke(at), kLayout, NoWork);
    const FillStrokeFieldTable table = FillStrokeFieldSpecs(setup);
    const FillStrokeLists& lists = kFillStrokeLists[c.variant];
    const EntryList* groupLists[3] = {&lists.fill, &lists.stroke, &lists.weight};
    // Offsets of each group's flag, mode and first value in FillStrokeOptions.
    const int32_t groupOffsets[3][3] = {{0, 4, 8}, {40, 44, 48}, {80, 84, 88}};
    int32_t n = 0;
    for (int group = 0; group < 3; ++group) {
      const FieldSpec& check = table.fields[n++];
      EXPECT_EQ(check.item, c.ids[group][0]);
      EXPECT_EQ(check.kind, kCheckBox);
      EXPECT_EQ(check.offset, at + groupOffsets[group][0]);
      const FieldSpec& list = table.fields[n++];
      EXPECT_EQ(list.item, c.ids[group][1]);
      EXPECT_EQ(list.kind, kPopupList);
      EXPECT_EQ(list.offset, at + groupOffsets[group][1]);
      EXPECT_EQ(list.entries, groupLists[group]->texts);
      EXPECT_EQ(list.entryCount, groupLists[group]->count);
      const int values = group < 2 ? 8 : 1;
      for (int k = 0; k < values; ++k) {
        SCOPED_TRACE(testing::Message() << "group " << group << " value " << k);
        const FieldSpec& value = table.fields[n++];
        const Real limit = group == 2 ? 50.0f : (k >= 4 && k <= 6) ? 255.0f : 100.0f;
        EXPECT_EQ(value.item, c.ids[group][2] + k);
        EXPECT_EQ(value.kind, kRealField);
        EXPECT_EQ(value.offset, at + groupOffsets[group][2] + 4 * k);
        EXPECT_EQ(value.minimum, -limit);
        EXPECT_EQ(value.maximum, limit);
        EXPECT_EQ(value.digits, 5);
        EXPECT_EQ(value.partner, 0);
      }
    }
    EXPECT_EQ(n, kFillStrokeFieldCount);
    EXPECT_EQ(c.preset->items.ok, c.ok);
  }
}

TEST(FillStrokeDialog, EachCopyStoresOnChangeAndPreviewsThroughTheMainDialog) {
  for (const PresetCase& c : PresetCases()) {
    SCOPED_TRACE(c.plugin);
    const FillStrokeDialogSetup setup =
        MakeFillStrokeSetup(*c.preset, ContiguousFillStroke(0), kLayout, NoWork);
    const FillStrokeFieldTable table = FillStrokeFieldSpecs(setup);
    const DialogSpec spec = FillStrokeDialogSpec(setup, table);
    EXPECT_STREQ(spec.name, c.name);
    EXPECT_EQ(spec.resourceId, c.resourceId);
    EXPECT_EQ(spec.storing, kStoreOnChange);
    EXPECT_EQ(spec.fieldCount, kFillStrokeFieldCount);
    EXPECT_EQ(spec.fields, table.fields);
    EXPECT_EQ(spec.buttonCount, 0);
    EXPECT_EQ(spec.previewItem, 0);
    EXPECT_EQ(spec.runPreview, &NoWork);
    EXPECT_EQ(spec.focusItem, c.focus);
    EXPECT_EQ(spec.notifyOnOpenCount, 0);
    EXPECT_EQ(std::memcmp(&spec.layout, &kLayout, sizeof kLayout), 0);
  }
}

// ---- The dialog as it opens ------------------------------------------------------

namespace host = corvane::host;
using corvane::testing::Click;
using corvane::testing::Inspect;

// The series fixture carries the resource's default copy (items 401 to 423)
// with the dentwell lists; its block is filled with distinct values so that
// every item shows whether it reads its own field.
class OpenedFillStroke : public ::testing::Test {
 protected:
  void SetUp() override {
    plugin_ = &h_.load(std::string(CORVANE_FIXTURE_DIR) + "/fixture_series.so");
    h_.addPath({{0, 0}, {10, 0}, {10, 10}});
    ASSERT_EQ(h_.getParameters(*plugin_, {}, true), kCancelError);
    SeriesParameters* block = h_.block<SeriesParameters>(*plugin_);
    ASSERT_NE(block, nullptr);
    block->previewOn = 0;
    FillStrokeOptions& o = block->fillStroke;
    o.fillOn = 1;
    o.fillMode = kAveragedToTarget;
    o.strokeOn = 0;
    o.strokeMode = kApproachTarget;
    o.weightOn = 1;
    o.weightMode = kWeightEitherWayOnCopies;
    o.weight = -12.5f;
    Real* values[2][kColourValueCount] = {
        {&o.fillCyan, &o.fillMagenta, &o.fillYellow, &o.fillBlack, &o.fillRed, &o.fillGreen,
         &o.fillBlue, &o.fillGrey},
        {&o.strokeCyan, &o.strokeMagenta, &o.strokeYellow, &o.strokeBlack, &o.strokeRed,
         &o.strokeGreen, &o.strokeBlue, &o.strokeGrey}};
    for (int group = 0; group < 2; ++group) {
      for (int k = 0; k < kColourValueCount; ++k) *values[group][k] = ShownValue(group, k);
    }
  }

  // What the block holds for value k of a colour group (0 fill, 1 stroke).
  static Real ShownValue(int group, int k) { return (group ? -1.0f : 1.0f) * (k + 1.5f); }

  // Opens the sub-dialog from the main dialog and looks at it.
  void Open(std::function<void(host::Dialog&)> look) {
    ASSERT_EQ(h_.getParameters(*plugin_, {Click(kFillStrokeItem), Inspect(std::move(look))}, true),
              kCancelError);
    for (const std::string& e : h_.stepErrors()) ADD_FAILURE() << e;
  }

  corvane::testing::Harness h_;
  corvane::host::LoadedPlugin* plugin_ = nullptr;
};

TEST_F(OpenedFillStroke, TheResourceHasItsTitleSizeLabelsAndOnlyAnOkButton) {
  Open([](host::Dialog& d) {
    EXPECT_EQ(d.resourceId(), 16200);
    EXPECT_EQ(d.name(), "Fill Dialog");
    EXPECT_EQ(d.tmpl().title, "Fill/Stroke Options");
    EXPECT_EQ(d.tmpl().place.cx, 227);
    EXPECT_EQ(d.tmpl().place.cy, 220);
    const struct {
      int32_t id;
      const char* text;
    } boxes[] = {{401, "&Fill"}, {411, "&Stroke"}, {421, "&Weight"}};
    for (const auto& box : boxes) {
      ASSERT_NE(d.item(box.id), nullptr) << box.id;
      EXPECT_EQ(d.item(box.id)->kind(), host::ItemKind::CheckBox) << box.id;
      EXPECT_EQ(d.item(box.id)->text(), box.text);
    }
    ASSERT_NE(d.item(kOKItem), nullptr);
    EXPECT_EQ(d.item(kOKItem)->kind(), host::ItemKind::PushButton);
    EXPECT_EQ(d.item(kOKItem)->text(), "&OK");
    EXPECT_EQ(d.item(kCancelItem), nullptr);

    // Every static text once per colour group (weight and unit once), and
    // two thin black rules between the groups.
    std::vector<std::string> labels;
    int rules = 0;
    for (const auto& item : d.items()) {
      if (item->kind() == host::ItemKind::StaticText) labels.push_back(item->text());
      if (item->kind() == host::ItemKind::Frame) {
        EXPECT_EQ(item->control().style & 0x1F, 0x4u) << "a black rectangle";
        EXPECT_LE(item->control().place.cy, 2) << "thin";
        ++rules;
      }
    }
    const std::vector<std::string> expected = {
        "Cyan", "Magenta", "Yellow", "Black", "Red", "Green", "Blue", "Greyscale",
        "Cyan", "Magenta", "Yellow", "Black", "Red", "Green", "Blue", "Greyscale",
        "Weight", "Pts"};
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(rules, 2);
  });
}

// Each label sits on the row of the value it names: the same top edge
// within a few units, to the value's left.
TEST_F(OpenedFillStroke, EachLabelSitsBesideItsValue) {
  Open([](host::Dialog& d) {
    std::vector<const host::Item*> labels;
    for (const auto& item : d.items()) {
      if (item->kind() == host::ItemKind::StaticText && item->text() != "Pts") {
        labels.push_back(item.get());
      }
    }
    std::vector<int32_t> values;
    for (int32_t first : {403, 413}) {
      for (int32_t k = 0; k < kColourValueCount; ++k) values.push_back(first + k);
    }
    values.push_back(423);
    ASSERT_EQ(labels.size(), values.size());
    for (size_t n = 0; n < values.size(); ++n) {
      SCOPED_TRACE(labels[n]->text());
      const host::DialogUnits label = labels[n]->control().place;
      const host::DialogUnits value = d.item(values[n])->control().place;
      EXPECT_LE(label.x + label.cx, value.x);
      EXPECT_LE(std::abs(label.y - value.y), 4);
    }
  });
}

TEST_F(OpenedFillStroke, EveryItemShowsItsFieldWithItsRangeAndOneChangeProcedure) {
  Open([](host::Dialog& d) {
    const SeriesParameters* block =
        static_cast<SeriesParameters*>(*static_cast<MemHandle>(d.userData()));
    const FillStrokeOptions& o = block->fillStroke;
    const FillStrokeLists& lists = kFillStrokeLists[kSeriesFillStroke.variant];
    const struct {
      int32_t check, list, first, values;
      int32_t on, mode;
      const EntryList* entries;
    } groups[] = {{401, 402, 403, 8, o.fillOn, o.fillMode, &lists.fill},
                  {411, 412, 413, 8, o.strokeOn, o.strokeMode, &lists.stroke},
                  {421, 422, 423, 1, o.weightOn, o.weightMode, &lists.weight}};
    const ItemNotifyProc proc = d.item(401)->notifyProc;
    ASSERT_NE(proc, nullptr);
    for (int group = 0; group < 3; ++group) {
      SCOPED_TRACE(testing::Message() << "group " << group);
      const auto& g = groups[group];
      EXPECT_EQ(d.item(g.check)->checked, g.on != 0);
      EXPECT_EQ(d.item(g.check)->notifyProc, proc);
      const host::Item* listItem = d.item(g.list);
      EXPECT_EQ(listItem->kind(), host::ItemKind::DropDown);
      EXPECT_EQ(listItem->notifyProc, proc);
      const host::List* list = listItem->list();
      ASSERT_EQ(list->size(), g.entries->count);
      for (int32_t i = 0; i < list->size(); ++i) {
        EXPECT_EQ(list->at(i)->text, g.entries->texts[i]);
        EXPECT_EQ(list->at(i)->id, i);
      }
      ASSERT_NE(list->selected(), nullptr);
      EXPECT_EQ(list->selected()->id, g.mode);
      for (int32_t k = 0; k < g.values; ++k) {
        SCOPED_TRACE(testing::Message() << "value " << k);
        const host::Item* item = d.item(g.first + k);
        const Real limit = group == 2 ? 50.0f : (k >= kRedValue && k <= kBlueValue) ? 255.0f
                                                                                  : 100.0f;
        const Real stored = group == 2 ? o.weight : ShownValue(group, k);
        EXPECT_EQ(item->kind(), host::ItemKind::Edit);
        EXPECT_EQ(item->number().kind(), host::NumberKind::Real);
        EXPECT_EQ(item->number().minimum(), -limit);
        EXPECT_EQ(item->number().maximum(), limit);
        EXPECT_EQ(item->number().precision(), 5);
        EXPECT_EQ(item->units, 0);
        EXPECT_EQ(item->number().value(), stored);
        EXPECT_EQ(item->notifyProc, proc);
      }
    }
    EXPECT_EQ(d.focused, d.item(403));
    EXPECT_EQ(d.textSelected, d.item(403));
  });
}

// ---- Lists ---------------------------------------------------------------------

TEST(FillStrokeLists, EveryEntryBeginsWithOneSpace) {
  for (int32_t variant = 0; variant < kListVariantCount; ++variant) {
    const FillStrokeLists& lists = kFillStrokeLists[variant];
    for (const EntryList* list : {&lists.fill, &lists.stroke, &lists.weight}) {
      for (int32_t i = 0; i < list->count; ++i) {
        const std::string text = list->texts[i];
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text[0], ' ') << variant << ": " << text;
        EXPECT_NE(text[1], ' ') << variant << ": " << text;
      }
    }
  }
}

TEST(FillStrokeLists, ListLengthsFollowTheVariant) {
  const int32_t fill[kListVariantCount] = {14, 15, 16, 15, 15, 15};
  for (int32_t variant = 0; variant < kListVariantCount; ++variant) {
    EXPECT_EQ(kFillStrokeLists[variant].fill.count, fill[variant]) << variant;
    EXPECT_EQ(kFillStrokeLists[variant].stroke.count, 14) << variant;
    EXPECT_EQ(kFillStrokeLists[variant].weight.count, 14) << variant;
  }
}

enum Which { kFill, kStroke, kWeight };

const char* EntryText(int32_t variant, Which which, int32_t index) {
  const FillStrokeLists& lists = kFillStrokeLists[variant];
  const EntryList& list = which == kFill ? lists.fill : which == kStroke ? lists.stroke
                                                                         : lists.weight;
  return index < list.count ? list.texts[index] : "(none)";
}

TEST(FillStrokeLists, EntryTextsOfEachVariant) {
  struct Case {
    int32_t variant;
    Which which;
    int32_t index;
    const char* text;
  };
  const Case cases[] = {
      {kPlainLists, kFill, 0, " Basic Gradient"},
      {kPlainLists, kFill, 9, " Gradient Based On Copies Randomised (Use Entered Black)"},
      {kPlainLists, kFill, 13, " Approach Target"},
      {kAveragedLists, kFill, 14, " Averaged - To Target"},
      {kMultiPassLists, kFill, 15, " To Target Multi-Pass"},
      {kMultiPassLists, kStroke, 8, " Basic Gradient Randomised (Use Entered Black)"},
      {kMultiPassLists, kStroke, 10, " Totally Randomised"},
      {kPlainLists, kWeight, 5, " Tintshake Add"},
      {kPlainLists, kWeight, 7, " Random Line Weight <= 10pts"},
      {kPlainLists, kWeight, 13, " Line Weight Either Way (Copies)"},
      {kTierspinLists, kFill, 12, " To Target (Use Original - On)"},
      {kTierspinLists, kFill, 13, " Approach Target (Use Original - Off)"},
      {kTierspinLists, kFill, 14, " Averaged - To Target (Use Original - On)"},
      {kTierspinLists, kFill, 4, " Swap Around"},
      {kTierspinLists, kStroke, 8, " Basic Gradient Randomised (use Entered Black)"},
      {kTierspinLists, kStroke, 9, " Gradient Based On Copies Randomised (use Black)"},
      {kTierspinLists, kStroke, 10, " Totally randomised"},
      {kTierspinLists, kWeight, 9, " To Target (Use Original - On)"},
      {kTierspinLists, kWeight, 10, " Approach Target (Use Original - Off)"},
      {kTierspinLists, kWeight, 13, " Line Weight Either Way (copies)"},
      {kTiergrowLists, kFill, 4, " Swap around"},
      {kTiergrowLists, kFill, 8, " Basic Gradient Randomised (use Black)"},
      {kTiergrowLists, kFill, 9, " Gradient Based On Copies Randomised (use Black)"},
      {kTiergrowLists, kStroke, 8, " Basic Gradient Randomised (use Black)"},
      {kTiergrowLists, kStroke, 9, " Gradient Based On Copies Randomised (use Black)"},
      {kTiergrowLists, kWeight, 13, " Line Weight Either Way (copies)"},
      {kTiershiftLists, kFill, 0, " Default Gradient"},
      {kTiershiftLists, kStroke, 0, " Default Gradient"},
      {kTiershiftLists, kFill, 8, " Basic Gradient Randomised (use Black)"},
      {kTiershiftLists, kFill, 9, " Gradient Based On Copies Randomised (use Black)"},
      {kTiershiftLists, kFill, 10, " Totally Randomised"},
      {kTiershiftLists, kStroke, 8, " Basic Gradient Randomised (use Black)"},
      {kTiershiftLists, kWeight, 9, " To Target (Use Original - On)"},
      {kTiershiftLists, kWeight, 13, " Line Weight Either Way (Copies)"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(EntryText(c.variant, c.which, c.index), c.text)
        << "variant " << c.variant << " list " << c.which << " entry " << c.index;
  }
}

// ---- Blocks whose fields are spread out ----------------------------------------

// The layer-series blocks keep the values of each group together but the
// three modes elsewhere.
struct SpreadBlock {
  int32_t before[10];
  int32_t fillOn;
  Real fillValues[8];
  int32_t strokeOn;
  Real strokeValues[8];
  int32_t weightOn;
  Real weight;
  int32_t between[3];
  int32_t fillMode, strokeMode, weightMode;
};

TEST(FillStrokeOffsets, SpreadFieldsAreGatheredIntoTheEnginesRecord) {
  SpreadBlock block{};
  block.fillOn = 1;
  block.strokeOn = 0;
  block.weightOn = 1;
  for (int k = 0; k < 8; ++k) {
    block.fillValues[k] = 1.5f + k;
    block.strokeValues[k] = -2.0f * k;
  }
  block.weight = 4.5f;
  block.fillMode = 12;
  block.strokeMode = 3;
  block.weightMode = 9;
  const FillStrokeOffsets at = {
      offsetof(SpreadBlock, fillOn),     offsetof(SpreadBlock, fillMode),
      offsetof(SpreadBlock, fillValues), offsetof(SpreadBlock, strokeOn),
      offsetof(SpreadBlock, strokeMode), offsetof(SpreadBlock, strokeValues),
      offsetof(SpreadBlock, weightOn),   offsetof(SpreadBlock, weightMode),
      offsetof(SpreadBlock, weight)};
  const FillStrokeOptions o = ReadFillStrokeOptions(&block, at);
  EXPECT_EQ(o.fillOn, 1);
  EXPECT_EQ(o.fillMode, 12);
  EXPECT_EQ(o.strokeOn, 0);
  EXPECT_EQ(o.strokeMode, 3);
  EXPECT_EQ(o.weightOn, 1);
  EXPECT_EQ(o.weightMode, 9);
  EXPECT_EQ(o.weight, 4.5f);
  const Real fill[8] = {o.fillCyan, o.fillMagenta, o.fillYellow, o.fillBlack,
                        o.fillRed,  o.fillGreen,   o.fillBlue,   o.fillGrey};
  const Real stroke[8] = {o.strokeCyan, o.strokeMagenta, o.strokeYellow, o.strokeBlack,
                          o.strokeRed,  o.strokeGreen,   o.strokeBlue,   o.strokeGrey};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(fill[k], block.fillValues[k]) << k;
    EXPECT_EQ(stroke[k], block.strokeValues[k]) << k;
  }
}

TEST(FillStrokeOffsets, AWholeRecordReadsBackAsItIs) {
  struct Block {
    int32_t previewOn;
    FillStrokeOptions options;
  } block{};
  block.options.fillOn = 1;
  block.options.fillMode = 5;
  block.options.fillGrey = 7;
  block.options.strokeRed = -3;
  block.options.weightMode = 13;
  block.options.weight = -50;
  const FillStrokeOptions o =
      ReadFillStrokeOptions(&block, ContiguousFillStroke(offsetof(Block, options)));
  EXPECT_EQ(std::memcmp(&o, &block.options, sizeof o), 0);
}

}  // namespace
