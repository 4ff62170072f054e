// The state one host instance works with, and the way the suite functions
// (plain C function pointers with no context argument) find it.
//
// Every call into a plug-in runs inside a SessionScope, so the suites reach
// the document, the random source and the dialog manager of the session the
// call belongs to. The host is single-threaded: plug-ins are only ever called
// on the thread that made the scope.
#pragma once

#include <corvane/types.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace corvane::host {

class Document;
class Journal;
class DialogManager;
class PluginResources;

// Source of RandomUnit values.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A number from 0 up to, not including, 1.
  virtual float next() = 0;
};

// SplitMix64, seeded per run. Each value is the top 24 bits of the next
// 64-bit output divided by 2^24, so it is exact in single precision and
// always below 1.
class SplitMixRandom final : public RandomSource {
 public:
  explicit SplitMixRandom(uint64_t seed) : state_(seed) {}
  float next() override;

 private:
  uint64_t state_;
};

// Returns a given cycle of values, for tests and reproducible runs.
class ScriptedRandom final : public RandomSource {
 public:
  // Fails (returns nullopt-like empty pointer) when the cycle is empty or a
  // value lies outside [0, 1): see Make.
  static std::unique_ptr<ScriptedRandom> Make(std::vector<float> cycle, std::string* error);
  float next() override;
  size_t drawn() const { return drawn_; }

 private:
  explicit ScriptedRandom(std::vector<float> cycle) : cycle_(std::move(cycle)) {}
  std::vector<float> cycle_;
  size_t drawn_ = 0;
};

// Failures a test can ask the host to produce.
class FailurePlan {
 public:
  // The named operation (e.g. "GetPathStyle") returns code from now on.
  void failOperation(const std::string& operation, HostError code) { operations_[operation] = code; }
  // ObtainSuite of that suite name fails.
  void refuseSuite(const std::string& suite) { refused_.insert(suite); }
  // ReturnSuite of that suite name fails.
  void failReturn(const std::string& suite) { failedReturns_.insert(suite); }
  void clear() { operations_.clear(); refused_.clear(); failedReturns_.clear(); }

  std::optional<HostError> operation(const char* name) const {
    auto it = operations_.find(name);
    if (it == operations_.end()) return std::nullopt;
    return it->second;
  }
  bool refuses(const std::string& suite) const { return refused_.count(suite) != 0; }
  bool failsReturn(const std::string& suite) const { return failedReturns_.count(suite) != 0; }

 private:
  std::map<std::string, HostError> operations_;
  std::set<std::string> refused_;
  std::set<std::string> failedReturns_;
};

// What a plug-in registered with AddFilter; FilterRef and MenuItemRef point
// at it.
struct FilterRegistration {
  PluginRef plugin = 0;
  std::string name;
  std::string category;  // as read from the length-prefixed string
  std::string title;
  int32_t action = 0;           // SetMenuItemAutoUpdate
  int32_t conditions[6] = {0, 0, 0, 0, 0, 0};
  int menuExtraCalls = 0;       // MenuItemExtra
};

struct Session {
  // Resources of the loaded plug-ins, by reference.
  std::map<PluginRef, const PluginResources*> plugins;
  // Filters registered by the plug-ins, in order of registration.
  std::vector<std::unique_ptr<FilterRegistration>> filters;
  // The plug-in whose call is in progress (0 outside calls), and the blocks
  // each plug-in holds from AllocateBlock: the host reclaims what a plug-in
  // still holds when it is unloaded for good.
  PluginRef calling = 0;
  std::map<void*, PluginRef> blocks;
  Document* document = nullptr;
  Journal* journal = nullptr;
  RandomSource* random = nullptr;
  DialogManager* dialogs = nullptr;
  FailurePlan failures;
  // Number of RedrawDocument calls, so tests and the studio can see that a
  // preview was shown.
  int redraws = 0;
};

// The session of the plug-in call in progress. Only valid inside a
// SessionScope; suites called outside one fail with kBadParameterError.
Session* CurrentSession();

class SessionScope {
 public:
  explicit SessionScope(Session& session);
  ~SessionScope();
  SessionScope(const SessionScope&) = delete;
  SessionScope& operator=(const SessionScope&) = delete;

 private:
  Session* previous_;
};

// Shorthand for the first lines of a suite function: the injected failure of
// the operation, if the session has one.
inline std::optional<HostError> InjectedFailure(const char* operation) {
  Session* s = CurrentSession();
  return s ? s->failures.operation(operation) : std::nullopt;
}

}  // namespace corvane::host
