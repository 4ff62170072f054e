// "ADM List Suite" and "ADM Entry Suite": building lists, ids, single
// selection, the user's choice and null handles.
#include "dialog_fixture.h"

namespace corvane::host::testing {
namespace {

using ListSuiteTest = DialogTest;

// Entry ids of the list in order.
std::vector<int32_t> Ids(const ADMListSuiteV1* lists, const ADMEntrySuiteV2* entries, ListRef list) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < lists->NumberOfEntries(list); ++i)
    ids.push_back(entries->GetEntryId(lists->IndexEntry(list, i)));
  return ids;
}

TEST_F(ListSuiteTest, InsertPlacesEntriesAndPastTheEndAppends) {
  inits[kMain] = [&](DialogRef) {
    ListRef list = items->GetItemList(Item(4));
    const std::pair<int32_t, int32_t> inserts[] = {{0, 10}, {5, 11}, {0, 12}, {1, 13}, {-1, 14}};
    for (auto [index, id] : inserts) entries->SetEntryId(lists->InsertListEntry(list, index), id);
    EXPECT_EQ(Ids(lists, entries, list), (std::vector<int32_t>{12, 13, 10, 11, 14}));
    EXPECT_EQ(lists->IndexEntry(list, 5), nullptr);
    EXPECT_EQ(lists->IndexEntry(list, -1), nullptr);
    return kNoError;
  };
  EXPECT_EQ(Run(kMain), kOKItem);
}

TEST_F(ListSuiteTest, FindAndSelectByIdWithSingleChoice) {
  inits[kMain] = [&](DialogRef) {
    ListRef list = items->GetItemList(Item(4));
    for (int32_t i = 0; i < 3; ++i) {
      EntryRef e = lists->InsertListEntry(list, i);
      entries->SetEntryText(e, (" Entry " + std::to_string(i)).c_str());
      entries->SetEntryId(e, i);
    }
    EXPECT_EQ(lists->GetSelectedEntry(list), nullptr);
    EXPECT_EQ(lists->FindListEntry(list, 7), nullptr);
    EntryRef last = lists->FindListEntry(list, 2);
    EXPECT_NE(last, nullptr);
    EXPECT_EQ(entries->GetEntryId(last), 2);
    entries->SelectEntry(lists->FindListEntry(list, 0), 1);
    entries->SelectEntry(last, 1);
    EXPECT_EQ(lists->GetSelectedEntry(list), last);
    entries->SelectEntry(last, 0);
    EXPECT_EQ(lists->GetSelectedEntry(list), nullptr);
    entries->SelectEntry(last, 1);
    return kNoError;
  };
  int32_t chosen = -1;
  std::string chosenText;
  procs[4] = [&](ItemRef item, NotifierRef notifier) {
    EXPECT_TRUE(notifiers->NotifierIs(notifier, kUserChangedNotifier));
    chosen = entries->GetEntryId(lists->GetSelectedEntry(items->GetItemList(item)));
  };
  observer.onClose = [&](const Dialog& d) {
    Entry* selected = d.item(4)->list()->selected();
    chosenText = selected ? selected->text : "";
  };
  auto init = inits[kMain];
  inits[kMain] = [&, init](DialogRef d) {
    UseProc(4);
    return init(d);
  };
  ASSERT_EQ(Run(kMain, {UserAction::SelectEntry(4, 1)}), kOKItem);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(chosenText, " Entry 1");
  EXPECT_TRUE(agent.errors().empty());

  ASSERT_EQ(Run(kMain, {UserAction::SelectEntry(4, 9)}), kCancelItem);
  ASSERT_EQ(agent.errors().size(), 1u);
  EXPECT_EQ(agent.errors()[0], "dialog 16100: select 4 entry 9: entry 9 not in list 4");
  EXPECT_EQ(chosenText, " Entry 2");  // the failed choice changed nothing
}

TEST_F(ListSuiteTest, NullListsAndEntriesAreIgnored) {
  EntryRef stale = nullptr;
  inits[kMain] = [&](DialogRef) {
    stale = lists->InsertListEntry(items->GetItemList(Item(5)), 0);
    return kNoError;
  };
  ASSERT_EQ(Run(kMain), kOKItem);
  EXPECT_EQ(lists->InsertListEntry(nullptr, 0), nullptr);
  EXPECT_EQ(lists->FindListEntry(nullptr, 0), nullptr);
  EXPECT_EQ(lists->GetSelectedEntry(nullptr), nullptr);
  EXPECT_EQ(lists->NumberOfEntries(nullptr), 0);
  EXPECT_EQ(lists->IndexEntry(nullptr, 0), nullptr);
  for (EntryRef entry : {EntryRef(nullptr), stale}) {
    entries->SetEntryText(entry, "x");
    entries->SetEntryId(entry, 3);
    entries->SelectEntry(entry, 1);
    EXPECT_EQ(entries->GetEntryId(entry), 0);
  }
}

}  // namespace
}  // namespace corvane::host::testing
