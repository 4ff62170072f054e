// The text form of open dialogs and of templates.
#include "dialog_fixture.h"

#include "host/dialogs/describe.h"

#include <sstream>

namespace corvane::host::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The line of item id, or "" when there is none.
std::string LineOf(const std::vector<std::string>& lines, int32_t id) {
  std::string prefix = "item " + std::to_string(id) + " ";
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) return line;
  return "";
}

using DescribeTest = DialogTest;

TEST_F(DescribeTest, OpenDialogShowsLabelsRangesValuesAndState) {
  std::string text;
  inits[kMain] = [&](DialogRef) {
    items->SetMinFloatValue(Item(7), 0);
    items->SetMaxFloatValue(Item(7), 100);
    items->SetFloatValue(Item(7), 12.5f);
    items->SetItemPrecision(Item(7), 2);
    items->SetMinIntValue(Item(9), 1);
    items->SetMaxIntValue(Item(9), 10);
    items->SetIntValue(Item(9), 3);
    items->SetMinIntValue(Item(8), -5);
    items->SetBooleanValue(Item(3), 1);
    ListRef list = items->GetItemList(Item(4));
    for (int32_t i = 0; i < 3; ++i) entries->SetEntryId(lists->InsertListEntry(list, i), i);
    entries->SetEntryText(lists->FindListEntry(list, 2), " Two \"2\"");
    entries->SelectEntry(lists->FindListEntry(list, 2), 1);
    items->SetItemText(Item(15), "Depth");
    items->FocusItem(Item(7), 1);
    items->SelectItemText(Item(7));
    return kNoError;
  };
  observer.onClose = [&](const Dialog& d) { text = DescribeDialog(d); };
  ASSERT_EQ(Run(kMain, {UserAction::Move({0, 0, 400, 280})}), kOKItem);
  std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "dialog 16100 \"Test \\\"Main\\\"\" size 200x140 bounds 0,0,400,280");
  EXPECT_EQ(lines[1], "item 1 button \"&OK\" enabled");
  const std::pair<int32_t, const char*> expected[] = {
      {7, "item 7 edit-real \"Depth\" range 0.00..100.00 value 12.50 enabled focus selected"},
      {9, "item 9 edit-int \"Count\" range 1..10 value 3 enabled"},
      // The slider under field 7 shares its label.
      {8, "item 8 slider \"Depth\" range -5.. value 0 enabled"},
      {3, "item 3 checkbox \"&Preview\" value 1 enabled"},
      {4, "item 4 list \"\" value 2 \" Two \\\"2\\\"\" enabled"},
      {5, "item 5 listbox \"\" value none enabled"},
      {20, "item 20 button \"R&eset\" disabled"},
      {21, "item 21 frame \"\" enabled"},
      {22, "item 22 group \"Options\" enabled"},
      {23, "item 23 radio \"Radio\" value 0 enabled"},
      {24, "item 24 scrollbar \"\" value 0 enabled"},
      {25, "item 25 other \"\" enabled"},
  };
  for (auto [id, line] : expected) EXPECT_EQ(LineOf(lines, id), line);
}

TEST(DescribeTemplate, ShowsKindsLabelsAndTemplateState) {
  PluginResources res = LoadRes("dialog_test");
  std::vector<std::string> lines = Lines(DescribeTemplate(*res.dialog(kMain), kMain));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "dialog 16100 \"Test \\\"Main\\\"\" size 200x140");
  const std::pair<int32_t, const char*> expected[] = {
      {7, "item 7 edit \"Width\" enabled"},
      {9, "item 9 edit \"Count\" enabled"},
      {8, "item 8 slider \"Width\" enabled"},
      {2, "item 2 button \"&Cancel\" enabled"},
      {20, "item 20 button \"R&eset\" disabled"},
      {15, "item 15 static \"Width\" enabled"},
  };
  for (auto [id, line] : expected) EXPECT_EQ(LineOf(lines, id), line);
  std::vector<std::string> sub = Lines(DescribeTemplate(*res.dialog(kSub), kSub));
  EXPECT_EQ(LineOf(sub, 11), "item 11 edit \"Steps\" enabled");
}

}  // namespace
}  // namespace corvane::host::testing
