// "ADM Item Suite" on the items of a running dialog: null and stale
// handles, numeric fields held in bounds and precision, sliders, check
// boxes, texts and the recorded state.
#include "dialog_fixture.h"

#include <cmath>
#include <optional>

namespace corvane::host::testing {
namespace {

using ItemSuiteTest = DialogTest;

TEST_F(ItemSuiteTest, NullAndStaleItemsAreIgnored) {
  ItemRef stale = nullptr;
  inits[kMain] = [&](DialogRef) {
    stale = Item(7);
    return kNoError;
  };
  ASSERT_EQ(Run(kMain), kOKItem);
  ASSERT_NE(stale, nullptr);
  for (ItemRef item : {ItemRef(nullptr), stale}) {
    items->SetNotifyProc(item, NotifyTrampoline);
    items->DefaultNotify(item, nullptr);
    items->SendNotify(item, nullptr);
    items->SetItemEnabled(item, 1);
    items->FocusItem(item, 1);
    items->SelectItemText(item);
    items->SetItemText(item, "x");
    items->SetItemPrecisionA(item, 0);
    items->SetItemPrecision(item, 2);
    items->SetBooleanValue(item, 1);
    items->SetIntValue(item, 4);
    items->SetFloatValue(item, 4.5f);
    items->SetMinIntValue(item, 1);
    items->SetMaxIntValue(item, 9);
    items->SetMinFloatValue(item, 1);
    items->SetMaxFloatValue(item, 9);
    items->SetItemSmallStep(item, 1);
    items->SetItemLargeStep(item, 1);
    EXPECT_EQ(items->GetItemDialog(item), nullptr);
    EXPECT_EQ(items->GetItemId(item), 0);
    EXPECT_EQ(items->GetItemList(item), nullptr);
    EXPECT_EQ(items->IsItemEnabled(item), 0);
    EXPECT_EQ(items->GetBooleanValue(item), 0);
    EXPECT_EQ(items->GetIntValue(item), 0);
    EXPECT_EQ(items->GetFloatValue(item), 0.0f);
    char text[8] = "junk";
    items->GetItemText(item, text, sizeof text);
    EXPECT_STREQ(text, "");
  }
}

TEST_F(ItemSuiteTest, ItemIdentityDialogAndList) {
  inits[kMain] = [&](DialogRef dialog) {
    EXPECT_EQ(dialogs->GetItem(dialog, 999), nullptr);
    EXPECT_EQ(dialogs->GetItem(nullptr, 7), nullptr);
    ItemRef field = dialogs->GetItem(dialog, 7);
    EXPECT_EQ(items->GetItemId(field), 7);
    EXPECT_EQ(items->GetItemDialog(field), dialog);
    EXPECT_EQ(items->GetItemList(field), nullptr);
    EXPECT_NE(items->GetItemList(Item(4)), nullptr);
    EXPECT_NE(items->GetItemList(Item(5)), nullptr);
    EXPECT_NE(items->GetItemList(Item(4)), items->GetItemList(Item(5)));
    return kNoError;
  };
  EXPECT_EQ(Run(kMain), kOKItem);
}

// One numeric field set up by the plug-in, then possibly typed into.
struct NumericCase {
  const char* what;
  int32_t item;
  bool realCalls;                 // Float setters and bounds, else Int ones
  std::optional<double> min, max;
  std::optional<int> precision;   // SetItemPrecision after the value
  double value;                   // set by the plug-in
  std::optional<double> typed;    // SetValue by the user
  float expected;                 // GetFloatValue at OK
  int32_t expectedInt;            // GetIntValue at OK
  const char* text;               // GetItemText at OK
};

TEST_F(ItemSuiteTest, NumericItemsHoldValuesInBoundsAndPrecision) {
  const NumericCase cases[] = {
      {"no bounds until set", 7, true, {}, {}, {}, 1e6, {}, 1e6f, 1000000, "1e+06"},
      {"value above the bounds", 7, true, 0.0, 100.0, {}, 250, {}, 100.0f, 100, "100"},
      {"value below the bounds", 7, true, 0.0, 100.0, {}, -5, {}, 0.0f, 0, "0"},
      {"precision rounds the value", 7, true, {}, {}, 2, 3.14159, {}, 3.14f, 3, "3.14"},
      {"typed value rounded", 7, true, 0.0, 100.0, 2, 1, 12.3456, 12.35f, 12, "12.35"},
      {"typed value held in bounds", 7, true, 0.0, 100.0, 5, 1, 1000, 100.0f, 100, "100.00000"},
      {"typed below the minimum", 7, true, -100.0, 100.0, 1, 1, -250.04, -100.0f, -100, "-100.0"},
      {"negative value rounds away from zero", 7, true, {}, {}, 0, -2.5, {}, -3.0f, -3, "-3"},
      {"integer field rounds typed reals", 9, false, 1.0, 10.0, {}, 3, 7.6, 8.0f, 8, "8"},
      {"integer field held in bounds", 9, false, 1.0, 10.0, {}, 3, 42, 10.0f, 10, "10"},
      {"integer bounds clamp the current value", 9, false, 5.0, 10.0, {}, 3, {}, 5.0f, 5, "5"},
      {"slider is integer", 8, false, 0.0, 200.0, {}, 50, 120.4, 120.0f, 120, "120"},
      {"slider set with floats is real", 8, true, 0.0, 10.0, {}, 2.5, {}, 2.5f, 3, "2.5"},
      {"crossed bounds: the minimum wins", 9, false, 10.0, 5.0, {}, 7, {}, 10.0f, 10, "10"},
  };
  for (const NumericCase& c : cases) {
    SCOPED_TRACE(c.what);
    inits[kMain] = [&](DialogRef) {
      ItemRef item = Item(c.item);
      items->SetItemPrecisionA(item, 0);
      if (c.realCalls) {
        if (c.min) items->SetMinFloatValue(item, float(*c.min));
        if (c.max) items->SetMaxFloatValue(item, float(*c.max));
        items->SetFloatValue(item, float(c.value));
      } else {
        items->SetIntValue(item, int32_t(c.value));
        if (c.min) items->SetMinIntValue(item, int32_t(*c.min));
        if (c.max) items->SetMaxIntValue(item, int32_t(*c.max));
      }
      if (c.precision) items->SetItemPrecision(item, *c.precision);
      return kNoError;
    };
    float atOk = -1;
    int32_t intAtOk = -1;
    char text[32] = {};
    observer.onClose = [&](const Dialog&) {
      atOk = items->GetFloatValue(Item(c.item));
      intAtOk = items->GetIntValue(Item(c.item));
      items->GetItemText(Item(c.item), text, sizeof text);
    };
    std::vector<UserAction> script;
    if (c.typed) script.push_back(UserAction::SetValue(c.item, *c.typed));
    ASSERT_EQ(Run(kMain, script), kOKItem);
    EXPECT_TRUE(agent.errors().empty());
    EXPECT_FLOAT_EQ(atOk, c.expected);
    EXPECT_EQ(intAtOk, c.expectedInt);
    EXPECT_STREQ(text, c.text);
  }
}

TEST_F(ItemSuiteTest, NumericCallsOnOtherItemsDoNothing) {
  inits[kMain] = [&](DialogRef) {
    for (int32_t id : {1, 3, 4, 15}) {
      items->SetMaxIntValue(Item(id), 1);
      items->SetFloatValue(Item(id), 5.5f);
      EXPECT_EQ(items->GetFloatValue(Item(id)), 0.0f) << id;
    }
    items->SetBooleanValue(Item(7), 1);
    EXPECT_EQ(items->GetBooleanValue(Item(7)), 0);
    return kNoError;
  };
  EXPECT_EQ(Run(kMain), kOKItem);
}

TEST_F(ItemSuiteTest, CheckBoxesTakeSetsClicksAndUserValues) {
  std::vector<int32_t> seen;
  procs[3] = [&](ItemRef item, NotifierRef) { seen.push_back(items->GetBooleanValue(item)); };
  inits[kMain] = [&](DialogRef) {
    items->SetBooleanValue(Item(3), 1);
    EXPECT_EQ(items->GetBooleanValue(Item(3)), 1);
    items->SetBooleanValue(Item(3), 0);
    UseProc(3);
    return kNoError;
  };
  ASSERT_EQ(Run(kMain, {UserAction::Click(3), UserAction::Click(3), UserAction::SetChecked(3, 1),
                        UserAction::SetChecked(3, 1), UserAction::Click(23)}),
            kOKItem);
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 0, 1, 1}));
  EXPECT_TRUE(agent.errors().empty());
}

TEST_F(ItemSuiteTest, TextsRelabelAndCopyCut) {
  inits[kMain] = [&](DialogRef) {
    char text[64];
    items->GetItemText(Item(15), text, sizeof text);
    EXPECT_STREQ(text, "Width");
    items->SetItemText(Item(15), "Depth");
    items->GetItemText(Item(15), text, sizeof text);
    EXPECT_STREQ(text, "Depth");
    items->GetItemText(Item(15), text, 3);
    EXPECT_STREQ(text, "De");
    items->SetItemText(Item(3), "Active Fill (RGB)");
    items->GetItemText(Item(3), text, sizeof text);
    EXPECT_STREQ(text, "Active Fill (RGB)");
    // Text typed into an edit field is a number held like any other value.
    items->SetMaxFloatValue(Item(7), 10);
    items->SetItemText(Item(7), " 12.5 ");
    EXPECT_EQ(items->GetFloatValue(Item(7)), 10.0f);
    return kNoError;
  };
  EXPECT_EQ(Run(kMain), kOKItem);
}

TEST_F(ItemSuiteTest, DisabledItemsRefuseUserInput) {
  float atOk = -1;
  inits[kMain] = [&](DialogRef) {
    items->SetFloatValue(Item(7), 4);
    items->SetItemEnabled(Item(7), 0);
    EXPECT_EQ(items->IsItemEnabled(Item(7)), 0);
    EXPECT_EQ(items->IsItemEnabled(Item(20)), 0);  // WS_DISABLED in the template
    EXPECT_EQ(items->IsItemEnabled(Item(9)), 1);
    // The plug-in itself may still change a disabled item.
    items->SetFloatValue(Item(7), 5);
    return kNoError;
  };
  observer.onClose = [&](const Dialog&) { atOk = items->GetFloatValue(Item(7)); };
  EXPECT_EQ(Run(kMain, {UserAction::SetValue(7, 9)}), kCancelItem);
  EXPECT_EQ(atOk, 5.0f);
  ASSERT_EQ(agent.errors().size(), 1u);
  EXPECT_EQ(agent.errors()[0], "dialog 16100: set 7 = 9: item 7 is disabled");
}

TEST_F(ItemSuiteTest, FocusSelectionStepsAndUnitsAreRecorded) {
  inits[kMain] = [&](DialogRef) {
    items->FocusItem(Item(9), 1);
    items->FocusItem(Item(7), 1);
    items->SelectItemText(Item(7));
    items->SetItemSmallStep(Item(8), 1.0f);
    items->SetItemLargeStep(Item(8), 10.0f);
    items->SetItemPrecisionA(Item(9), 3);
    return kNoError;
  };
  observer.onClose = [&](const Dialog& d) {
    EXPECT_EQ(d.focused, d.item(7));
    EXPECT_EQ(d.textSelected, d.item(7));
    EXPECT_EQ(d.item(8)->smallStep, 1.0);
    EXPECT_EQ(d.item(8)->largeStep, 10.0);
    EXPECT_EQ(d.item(9)->units, 3);
  };
  EXPECT_EQ(Run(kMain), kOKItem);
  inits[kMain] = [&](DialogRef) {
    items->FocusItem(Item(7), 1);
    items->FocusItem(Item(7), 0);
    return kNoError;
  };
  observer.onClose = [&](const Dialog& d) { EXPECT_EQ(d.focused, nullptr); };
  EXPECT_EQ(Run(kMain), kOKItem);
}

}  // namespace
}  // namespace corvane::host::testing
