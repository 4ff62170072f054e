// A session with the test plug-in's resources, a dialog manager and the
// dialog suites, plus trampolines that let tests write init and notify
// procedures as lambdas.
#pragma once

#include "host/dialogs/manager.h"
#include "host/dialogs/suite_support.h"
#include "host/resources/plugin_resources.h"
#include "host/session.h"
#include "host/suites/registry.h"

#include <corvane/dialogs.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace corvane::host::testing {

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string ResPath(const std::string& stem) {
  return std::string(CORVANE_TEST_RES_DIR "/") + stem + ".res";
}

// The resources of tests/data/<stem>.rc; fails the test when they do not parse.
inline PluginResources LoadRes(const std::string& stem) {
  PluginResources::Result r = PluginResources::FromRes(ReadBytes(ResPath(stem)));
  if (!r) {
    ADD_FAILURE() << stem << ": " << r.error().message();
    return PluginResources::FromRes({}).value();
  }
  return std::move(r).value();
}

// Resource ids of tests/data/dialog_test.rc.
constexpr int32_t kMain = 16100;
constexpr int32_t kSub = 16200;
constexpr int32_t kDone = 16300;
constexpr int32_t kApply = 16400;
constexpr int32_t kPlainDialog = 16051;
constexpr PluginRef kPlugin = 7;

// Records what the manager tells its observer.
struct RecordingObserver : DialogObserver {
  std::vector<std::string> events;
  std::function<void(const Dialog&)> onClose;
  void opened(const Dialog& d) override { events.push_back("opened " + std::to_string(d.resourceId())); }
  void moved(const Dialog& d) override { events.push_back("moved " + std::to_string(d.resourceId())); }
  void itemChanged(const Item& i) override { events.push_back("changed " + std::to_string(i.id())); }
  void closed(const Dialog& d, int32_t result) override {
    if (onClose) onClose(d);
    events.push_back("closed " + std::to_string(d.resourceId()) + " " + std::to_string(result));
  }
};

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() : resources(LoadRes("dialog_test")), scope(session) {
    session.plugins[kPlugin] = &resources;
    session.dialogs = &manager;
    SuiteRegistry registry;
    AddDialogSuites(registry);
    basic = Table<ADMBasicSuiteV2>(registry, kADMBasicSuite, kADMBasicSuiteVersion);
    dialogs = Table<ADMDialogSuiteV3>(registry, kADMDialogSuite, kADMDialogSuiteVersion);
    items = Table<ADMItemSuiteV4>(registry, kADMItemSuite, kADMItemSuiteVersion);
    lists = Table<ADMListSuiteV1>(registry, kADMListSuite, kADMListSuiteVersion);
    entries = Table<ADMEntrySuiteV2>(registry, kADMEntrySuite, kADMEntrySuiteVersion);
    notifiers = Table<ADMNotifierSuiteV1>(registry, kADMNotifierSuite, kADMNotifierSuiteVersion);
    current = this;
  }
  ~DialogTest() override { current = nullptr; }

  template <class T>
  static const T* Table(const SuiteRegistry& registry, const char* name, int32_t version) {
    const T* table = static_cast<const T*>(registry.find(name, version));
    EXPECT_NE(table, nullptr) << name;
    return table;
  }

  // Runs dialog id with the init procedure registered in inits[id] (none:
  // an init that does nothing), driven by agent.
  int32_t Run(int32_t id, void* userData = nullptr) {
    return dialogs->RunModalDialog(kPlugin, "test", id, 0, InitTrampoline, userData);
  }
  int32_t Run(int32_t id, std::vector<UserAction> script,
              ScriptedAgent::Finish finish = ScriptedAgent::Finish::Ok) {
    agent = ScriptedAgent(std::move(script), finish);
    return Run(id);
  }

  // An item of the innermost open dialog.
  ItemRef Item(int32_t id) const {
    if (manager.openDialogs().empty()) return nullptr;
    return dialogs->GetItem(ToRef(manager.openDialogs().back().get()), id);
  }
  // Installs the lambda procs[id] as the notify procedure of item id.
  void UseProc(int32_t id) { items->SetNotifyProc(Item(id), NotifyTrampoline); }

  static HostError InitTrampoline(DialogRef dialog) {
    Dialog* d = current->manager.resolve(dialog);
    auto it = d ? current->inits.find(d->resourceId()) : current->inits.end();
    if (it == current->inits.end()) return kNoError;
    return it->second(dialog);
  }
  static void NotifyTrampoline(ItemRef item, NotifierRef notifier) {
    current->procs.at(current->items->GetItemId(item))(item, notifier);
  }

  PluginResources resources;
  Session session;
  SessionScope scope;
  ScriptedAgent agent;
  RecordingObserver observer;
  DialogManager manager{&agent, &observer};
  const ADMBasicSuiteV2* basic = nullptr;
  const ADMDialogSuiteV3* dialogs = nullptr;
  const ADMItemSuiteV4* items = nullptr;
  const ADMListSuiteV1* lists = nullptr;
  const ADMEntrySuiteV2* entries = nullptr;
  const ADMNotifierSuiteV1* notifiers = nullptr;
  std::map<int32_t, std::function<HostError(DialogRef)>> inits;
  std::map<int32_t, std::function<void(ItemRef, NotifierRef)>> procs;

  static inline DialogTest* current = nullptr;
};

}  // namespace corvane::host::testing
