// RunModalDialog and the manager's rules: missing resources, init, user
// data and bounds, notification, closing, nested dialogs, the scripted
// agent and indexed strings.
#include "dialog_fixture.h"

#include <cmath>
#include <cstring>

namespace corvane::host::testing {
namespace {

using ManagerTest = DialogTest;

TEST_F(ManagerTest, MissingResourceOrPluginGivesMinusOneWithoutInit) {
  int inits_called = 0;
  inits[12345] = inits[kMain] = [&](DialogRef) {
    ++inits_called;
    return kNoError;
  };
  EXPECT_EQ(dialogs->RunModalDialog(kPlugin, "x", 12345, 0, InitTrampoline, nullptr), -1);
  EXPECT_EQ(dialogs->RunModalDialog(kPlugin + 1, "x", kMain, 0, InitTrampoline, nullptr), -1);
  EXPECT_EQ(inits_called, 0);
  EXPECT_TRUE(observer.events.empty());
  EXPECT_EQ(dialogs->RunModalDialog(kPlugin, "x", kMain, 0, nullptr, nullptr), kOKItem);
}

TEST_F(ManagerTest, InitErrorClosesAtOnceWithMinusOne) {
  int asked = 0;
  struct CountingAgent : UserAgent {
    int* asked;
    UserAction next(Dialog&) override { return ++*asked, UserAction::Ok(); }
  } counting;
  counting.asked = &asked;
  manager.setAgent(&counting);
  inits[kMain] = [](DialogRef) { return kOutOfMemoryError; };
  EXPECT_EQ(Run(kMain), -1);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(observer.events, (std::vector<std::string>{"closed 16100 -1"}));
  inits[kMain] = [](DialogRef) { return kNoError; };
  EXPECT_EQ(Run(kMain), kOKItem);
  EXPECT_EQ(asked, 1);
}

TEST_F(ManagerTest, UserDataAndBoundsPlacedMovedAndSet) {
  int block = 42;
  IntRect initial{}, afterMove{}, afterSet{};
  inits[kMain] = [&](DialogRef dialog) {
    EXPECT_EQ(dialogs->GetDialogUserData(dialog), &block);
    dialogs->GetDialogBounds(dialog, &initial);
    return kNoError;
  };
  procs[1] = [&](ItemRef item, NotifierRef notifier) {
    DialogRef dialog = items->GetItemDialog(item);
    dialogs->GetDialogBounds(dialog, &afterMove);
    IntRect placed{1, 2, 3, 4};
    dialogs->SetDialogBounds(dialog, &placed);
    dialogs->GetDialogBounds(dialog, &afterSet);
    items->DefaultNotify(item, notifier);
  };
  auto init = inits[kMain];
  inits[kMain] = [&, init](DialogRef d) {
    UseProc(1);
    return init(d);
  };
  agent = ScriptedAgent({UserAction::Move({10, 20, 410, 300})});
  ASSERT_EQ(Run(kMain, &block), kOKItem);
  // Template 200 x 140 units, doubled, at the outermost dialog's origin.
  EXPECT_EQ(std::vector<int32_t>({initial.left, initial.top, initial.right, initial.bottom}),
            std::vector<int32_t>({100, 80, 500, 360}));
  EXPECT_EQ(std::vector<int32_t>({afterMove.left, afterMove.top, afterMove.right, afterMove.bottom}),
            std::vector<int32_t>({10, 20, 410, 300}));
  EXPECT_EQ(std::vector<int32_t>({afterSet.left, afterSet.top, afterSet.right, afterSet.bottom}),
            std::vector<int32_t>({1, 2, 3, 4}));
}

TEST_F(ManagerTest, UserChangeNotifiesWithTheNewValue) {
  std::vector<std::string> log;
  procs[7] = [&](ItemRef item, NotifierRef notifier) {
    EXPECT_EQ(notifiers->NotifierIs(notifier, kUserChangedNotifier), 1);
    EXPECT_EQ(notifiers->NotifierIs(notifier, kBoundsChangedNotifier), 0);
    EXPECT_EQ(notifiers->NotifierIs(notifier, nullptr), 0);
    log.push_back("7=" + std::to_string(items->GetIntValue(item)));
    // The observer saw the change before the procedure ran.
    EXPECT_EQ(observer.events.back(), "changed 7");
  };
  inits[kMain] = [&](DialogRef) {
    UseProc(7);
    items->SetIntValue(Item(7), 1);
    return kNoError;
  };
  ASSERT_EQ(Run(kMain, {UserAction::SetValue(7, 5), UserAction::SetValue(7, 6)}), kOKItem);
  EXPECT_EQ(log, (std::vector<std::string>{"7=5", "7=6"}));
  EXPECT_EQ(notifiers->NotifierIs(nullptr, kUserChangedNotifier), 0);
}

TEST_F(ManagerTest, SendNotifyRunsTheProcedureWithTheType) {
  std::vector<std::string> types;
  procs[9] = [&](ItemRef, NotifierRef notifier) {
    for (const char* type : {kUserChangedNotifier, kIntermediateChangedNotifier, "Custom"})
      if (notifiers->NotifierIs(notifier, type)) types.push_back(type);
  };
  inits[kMain] = [&](DialogRef) {
    UseProc(9);
    items->SendNotify(Item(9), nullptr);
    items->SendNotify(Item(9), kIntermediateChangedNotifier);
    items->SendNotify(Item(9), "Custom");
    return kNoError;
  };
  EXPECT_EQ(Run(kMain), kOKItem);
  EXPECT_EQ(types, (std::vector<std::string>{kUserChangedNotifier, kIntermediateChangedNotifier, "Custom"}));
}

struct CloseCase {
  int32_t dialog;
  int32_t button;
  const char* type;                // notifier type sent; null = user changed
  std::optional<int32_t> closes;   // result, or still open
};

TEST_F(ManagerTest, DefaultNotifyClosesOnlyByTheRule) {
  const CloseCase cases[] = {
      {kMain, 1, nullptr, 1},
      {kMain, 2, nullptr, 2},
      {kMain, 19, nullptr, std::nullopt},                      // other push button
      {kMain, 3, nullptr, std::nullopt},                       // check box
      {kMain, 1, kIntermediateChangedNotifier, std::nullopt},  // not a user change
      {kDone, 5, nullptr, 5},                                  // default button, no item 2
      {kDone, 6, nullptr, std::nullopt},
      {kApply, 7, nullptr, std::nullopt},                      // default button, but item 2 exists
      {kApply, 2, nullptr, 2},
      {kSub, 1, nullptr, 1},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.dialog) + " button " + std::to_string(c.button));
    std::optional<int32_t> result;
    inits[c.dialog] = [&](DialogRef) {
      items->SendNotify(Item(c.button), c.type);  // no procedure: DefaultNotify
      result = manager.openDialogs().back()->result();
      return kNoError;
    };
    Run(c.dialog);
    EXPECT_EQ(result, c.closes);
  }
}

struct PressCase {
  const char* what;
  int32_t dialog;
  UserAction action;
  int32_t result;
  std::vector<int32_t> pressed;  // items whose procedure ran
};

TEST_F(ManagerTest, OkAndCancelPressTheirButtonsAndAlwaysClose) {
  const PressCase cases[] = {
      {"ok presses item 1", kMain, UserAction::Ok(), 1, {1}},
      {"cancel presses item 2", kMain, UserAction::Cancel(), 2, {2}},
      {"cancel without item 2 is ok", kSub, UserAction::Cancel(), 1, {1}},
      {"ok without item 1 presses the default button", kDone, UserAction::Ok(), 5, {5}},
  };
  for (const PressCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<int32_t> pressed;
    // Procedures that swallow the press: they never call DefaultNotify.
    for (int32_t id : {1, 2, 5}) procs[id] = [&pressed, id](ItemRef, NotifierRef) { pressed.push_back(id); };
    inits[c.dialog] = [&](DialogRef dialog) {
      for (int32_t id : {1, 2, 5})
        if (dialogs->GetItem(dialog, id)) UseProc(id);
      return kNoError;
    };
    EXPECT_EQ(Run(c.dialog, {c.action}), c.result);
    EXPECT_EQ(pressed, c.pressed);
  }
}

TEST_F(ManagerTest, SubDialogRunsInsideTheNotifyCall) {
  int32_t subResult = 0;
  float subValue = 0, mainValue = 0;
  IntRect subBounds{};
  procs[19] = [&](ItemRef item, NotifierRef notifier) {
    items->DefaultNotify(item, notifier);
    subResult = dialogs->RunModalDialog(kPlugin, "sub", kSub, 0, InitTrampoline, nullptr);
    EXPECT_EQ(manager.openDialogs().size(), 1u);
  };
  inits[kMain] = [&](DialogRef) {
    UseProc(19);
    return kNoError;
  };
  inits[kSub] = [&](DialogRef dialog) {
    EXPECT_EQ(manager.openDialogs().size(), 2u);
    dialogs->GetDialogBounds(dialog, &subBounds);
    items->SetMinIntValue(Item(11), 0);
    return kNoError;
  };
  observer.onClose = [&](const Dialog& d) {
    if (d.resourceId() == kSub) subValue = items->GetFloatValue(Item(11));
    if (d.resourceId() == kMain) mainValue = items->GetFloatValue(Item(7));
  };
  ASSERT_EQ(Run(kMain, {UserAction::Click(19), UserAction::SetValue(11, 4), UserAction::Ok(),
                        UserAction::SetValue(7, 3)}),
            kOKItem);
  EXPECT_EQ(subResult, kOKItem);
  EXPECT_EQ(subValue, 4.0f);
  EXPECT_EQ(mainValue, 3.0f);
  EXPECT_EQ(subBounds.left, 140);  // one nesting level further in
  EXPECT_EQ(subBounds.right, 140 + 240);
  std::vector<std::string> lifecycle;
  for (const std::string& e : observer.events)
    if (e.rfind("changed", 0) != 0) lifecycle.push_back(e);
  EXPECT_EQ(lifecycle, (std::vector<std::string>{"opened 16100", "opened 16200", "closed 16200 1",
                                                 "closed 16100 1"}));
}

TEST_F(ManagerTest, ScriptedAgentFinishesSubDialogsWithOkAndTheOuterAsConfigured) {
  std::vector<int32_t> subResults;
  procs[19] = [&](ItemRef, NotifierRef) {
    subResults.push_back(dialogs->RunModalDialog(kPlugin, "sub", kSub, 0, nullptr, nullptr));
  };
  inits[kMain] = [&](DialogRef) {
    UseProc(19);
    return kNoError;
  };
  EXPECT_EQ(Run(kMain, {UserAction::Click(19)}, ScriptedAgent::Finish::Cancel), kCancelItem);
  EXPECT_EQ(Run(kMain, {UserAction::Click(19)}, ScriptedAgent::Finish::Ok), kOKItem);
  EXPECT_EQ(subResults, (std::vector<int32_t>{kOKItem, kOKItem}));
  EXPECT_TRUE(agent.errors().empty());
  EXPECT_TRUE(agent.finished());
}

struct FailureCase {
  UserAction action;
  const char* error;
};

TEST_F(ManagerTest, FailedActionsAreRecordedAndCancelEverything) {
  const FailureCase cases[] = {
      {UserAction::SetValue(99, 1), "dialog 16100: set 99 = 1: no item 99"},
      {UserAction::SetValue(15, 1), "dialog 16100: set 15 = 1: item 15 is not an edit field or slider"},
      {UserAction::SetValue(7, NAN), "dialog 16100: set 7 = nan: the value is not a finite number"},
      {UserAction::SetChecked(7, 1), "dialog 16100: check 7 = 1: item 7 is not a check box"},
      {UserAction::SetChecked(3, 2), "dialog 16100: check 3 = 2: value 2 is not 0 or 1"},
      {UserAction::SelectEntry(7, 0), "dialog 16100: select 7 entry 0: item 7 is not a list"},
      {UserAction::Click(15), "dialog 16100: click 15: item 15 is not a button or check box"},
      {UserAction::Click(20), "dialog 16100: click 20: item 20 is disabled"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.error);
    EXPECT_EQ(Run(kMain, {c.action, UserAction::SetValue(7, 1)}), kCancelItem);
    EXPECT_EQ(agent.errors(), (std::vector<std::string>{c.error}));
    EXPECT_EQ(agent.played(), 1u);
  }
}

TEST_F(ManagerTest, FailureInSubDialogOksItAndCancelsTheOuter) {
  int32_t subResult = 0;
  procs[19] = [&](ItemRef, NotifierRef) {
    subResult = dialogs->RunModalDialog(kPlugin, "sub", kSub, 0, nullptr, nullptr);
  };
  inits[kMain] = [&](DialogRef) {
    UseProc(19);
    return kNoError;
  };
  EXPECT_EQ(Run(kMain, {UserAction::Click(19), UserAction::SetValue(99, 1)}), kCancelItem);
  EXPECT_EQ(subResult, kOKItem);
  EXPECT_EQ(agent.errors(), (std::vector<std::string>{"dialog 16200: set 99 = 1: no item 99"}));
}

struct StringCase {
  int32_t list, index, size;
  const char* text;
  HostError error;
};

TEST_F(ManagerTest, IndexedStringsAreCutAndReportAbsence) {
  const std::string sixtyFour = "0123456789012345678901234567890123456789012345678901234567890123";
  const StringCase cases[] = {
      {16000, 2, 65, "Tester...", kNoError},
      {16000, 0, 65, "<First Mac index is 1>", kNoError},
      {0, 5, 65, "five", kNoError},
      {16000, 5, 65, sixtyFour.c_str(), kNoError},
      {16000, 2, 4, "Tes", kNoError},
      {16000, 2, 1, "", kNoError},
      {16000, 3, 6, "caf\xC3\xA9", kNoError},
      {16000, 3, 5, "caf", kNoError},  // never half a character
      {16000, 4, 65, "", kNoResourceError},
      {16050, 1, 65, "", kNoResourceError},
  };
  for (const StringCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.list) + "+" + std::to_string(c.index) + " size " + std::to_string(c.size));
    char buffer[80];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(basic->GetIndexedString(kPlugin, c.list, c.index, buffer, c.size), c.error);
    EXPECT_STREQ(buffer, c.text);
  }
  char buffer[8] = "junk";
  EXPECT_EQ(basic->GetIndexedString(kPlugin, 16000, 2, nullptr, 8), kBadParameterError);
  EXPECT_EQ(basic->GetIndexedString(kPlugin, 16000, 2, buffer, 0), kBadParameterError);
  EXPECT_STREQ(buffer, "junk");
  EXPECT_EQ(basic->GetIndexedString(kPlugin + 1, 16000, 2, buffer, 8), kBadParameterError);
  EXPECT_STREQ(buffer, "");
  session.failures.failOperation("GetIndexedString", kOutOfMemoryError);
  std::strcpy(buffer, "junk");
  EXPECT_EQ(basic->GetIndexedString(kPlugin, 16000, 2, buffer, 8), kOutOfMemoryError);
  EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace corvane::host::testing
