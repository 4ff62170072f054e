// Drives deliverables the way the host does: a real document, the real
// loader and PluginMain messages, dialogs built from the deliverable's own
// resources and worked by a scripted user, a seeded or scripted random
// source.
#pragma once

#include <corvane/sdk.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/dialogs/dialog.h"
#include "host/dialogs/manager.h"
#include "host/model/journal.h"
#include "host/loader/plugin_host.h"
#include "host/model/document.h"
#include "host/session.h"

namespace corvane::testing {

// One scripted user step, applied to the innermost open dialog.
struct Step {
  enum Kind { Set, Check, Select, Click, Move, Ok, Cancel, Inspect };
  Kind kind;
  int32_t item = 0;
  double value = 0;
  IntRect rect{};
  std::function<void(host::Dialog&)> inspect;
};

// Types a number into an edit field or drags a slider to it.
inline Step Set(int32_t item, double value) { return {Step::Set, item, value, {}, {}}; }
inline Step Check(int32_t item, bool on) { return {Step::Check, item, on ? 1.0 : 0.0, {}, {}}; }
// Chooses the list entry with that id.
inline Step Select(int32_t item, int32_t id) { return {Step::Select, item, double(id), {}, {}}; }
inline Step Click(int32_t item) { return {Step::Click, item, 0, {}, {}}; }
inline Step Move(IntRect rect) { return {Step::Move, 0, 0, rect, {}}; }
inline Step Ok() { return {Step::Ok, 0, 0, {}, {}}; }
inline Step Cancel() { return {Step::Cancel, 0, 0, {}, {}}; }
// Looks at the innermost dialog (and, through the harness, the document) at
// this point of the script.
inline Step Inspect(std::function<void(host::Dialog&)> look) {
  return {Step::Inspect, 0, 0, {}, std::move(look)};
}

class Harness {
 public:
  // An empty page with one visible, unlocked layer " Layer 1", seed 1.
  explicit Harness(float width = 612.0f, float height = 792.0f);
  ~Harness();

  host::Document& doc() { return *document_; }
  host::Session& session() { return session_; }
  host::PluginHost& host() { return *host_; }

  // Loads build/plugins/<deliverable>.so (or the library at a path that
  // contains a '/') and sends Startup; fails the test when either goes wrong.
  host::LoadedPlugin& load(const std::string& deliverable);

  // Get Parameters with the scripted steps; after the last step every open
  // dialog gets OK (innermost first) unless `cancelAtEnd`.
  HostError getParameters(host::LoadedPlugin& plugin, std::vector<Step> steps = {},
                          bool cancelAtEnd = false);
  // Go within the same use of the filter.
  HostError go(host::LoadedPlugin& plugin);
  // Go sent alone with the kept block (a new use).
  HostError repeat(host::LoadedPlugin& plugin);
  // Get Parameters, then Go when it returned 0.
  HostError apply(host::LoadedPlugin& plugin, std::vector<Step> steps = {});

  // The kept parameter block, viewed as the deliverable's record.
  template <typename Block>
  Block* block(host::LoadedPlugin& plugin) {
    return plugin.parameters ? static_cast<Block*>(*plugin.parameters) : nullptr;
  }

  void seed(uint64_t seed);
  // A scripted random cycle; false when a value lies outside [0, 1).
  bool scriptRandom(std::vector<float> cycle);

  // A path of straight segments (corner points) on the current layer.
  host::Art* addPath(const std::vector<RealPoint>& anchors, bool closed = true,
                     bool selected = true);
  // Live path art (type path, including compound members) in document order.
  std::vector<host::Art*> paths() const;

  // Error dialogs the deliverable showed: (message, code text).
  const std::vector<std::pair<std::string, std::string>>& shownErrors() const { return errors_; }
  // Problems with the scripted steps (no such item, disabled item, ...).
  const std::vector<std::string>& stepErrors() const { return stepErrors_; }

 private:
  std::unique_ptr<host::Document> document_;
  std::unique_ptr<host::Journal> journal_;
  std::unique_ptr<host::RandomSource> random_;
  std::unique_ptr<host::DialogManager> dialogs_;
  host::Session session_;
  std::unique_ptr<host::PluginHost> host_;
  std::vector<std::pair<std::string, std::string>> errors_;
  std::vector<std::string> stepErrors_;
};

}  // namespace corvane::testing
