// Filters run in-process through the host, as the command runs them, on
// documents of many selected paths: one Get Parameters with the real dialog
// to make the kept block, then "AI Go" alone again and again.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench_documents.h"
#include "host/dialogs/agent.h"
#include "host/dialogs/manager.h"
#include "host/loader/plugin_host.h"
#include "host/loader/run_agent.h"
#include "host/model/journal.h"
#include "host/session.h"

namespace corvane::bench {
namespace {

using host::UserAction;

// One host with one deliverable loaded and started over a large document.
class FilterRun {
 public:
  FilterRun(const std::string& deliverable, int paths)
      : document_(MakeLargeDocument(paths)), random_(1), agent_(script_) {
    session_.document = document_.get();
    session_.journal = &journal_;
    session_.random = &random_;
    session_.dialogs = &dialogs_;
    dialogs_.setAgent(&agent_);
    host_ = std::make_unique<host::PluginHost>(session_);
    const std::string path = std::string(CORVANE_PLUGIN_DIR) + "/" + deliverable + ".so";
    plugin_ = host_->load(path, &error_);
    if (plugin_ != nullptr && host_->startup(*plugin_) != kNoError) {
      error_ = deliverable + ": start-up failed";
      plugin_ = nullptr;
    }
  }
  ~FilterRun() {
    if (plugin_ != nullptr) host_->shutdown(*plugin_);
    host_.reset();
  }

  // Get Parameters with the actions, OK, then Go; false with error() set
  // when anything fails.
  bool confirm(std::vector<UserAction> actions) {
    if (plugin_ == nullptr) return false;
    script_ = host::ScriptedAgent(std::move(actions));
    HostError result = host_->getParameters(*plugin_);
    if (result == kNoError) result = host_->go(*plugin_);
    if (result != kNoError || !script_.errors().empty()) {
      error_ = "the first run failed with code " + std::to_string(result);
      return false;
    }
    return true;
  }

  HostError repeat() { return host_->repeat(*plugin_); }
  const std::string& error() const { return error_; }

 private:
  std::unique_ptr<host::Document> document_;
  host::Journal journal_;
  host::SplitMixRandom random_;
  host::DialogManager dialogs_;
  host::ScriptedAgent script_;
  host::RunAgent agent_;
  host::Session session_;
  std::unique_ptr<host::PluginHost> host_;
  host::LoadedPlugin* plugin_ = nullptr;
  std::string error_;
};

void RunRepeated(benchmark::State& state, const std::string& deliverable, std::vector<UserAction> actions) {
  FilterRun run(deliverable, static_cast<int>(state.range(0)));
  if (!run.confirm(std::move(actions))) {
    state.SkipWithError(run.error().c_str());
    return;
  }
  for (auto _ : state) {
    HostError result = run.repeat();
    if (result != kNoError) {
      state.SkipWithError(("Go failed with code " + std::to_string(result)).c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Weightclamp(benchmark::State& state) {
  RunRepeated(state, "weightclamp", {UserAction::SetValue(301, 1.0), UserAction::SetValue(302, 5.0)});
}

// The default mode with entered amounts on the four-colour fill, the
// four-colour stroke and the grey stroke channels, preview off: every run
// draws fresh random amounts for every path.
void BM_Tintshake(benchmark::State& state) {
  RunRepeated(state, "tintshake", {UserAction::SetChecked(3, 0), UserAction::SelectEntry(4, 3),
                                   UserAction::SetValue(7, 5), UserAction::SelectEntry(4, 5),
                                   UserAction::SetValue(7, 5)});
}

BENCHMARK(BM_Weightclamp)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tintshake)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
