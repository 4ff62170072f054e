// The suites the host offers, keyed by (name, version).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace corvane::host {

class SuiteRegistry {
 public:
  void add(const std::string& name, int32_t version, const void* table) {
    tables_[{name, version}] = table;
  }
  // Null when no suite of that name and version is offered.
  const void* find(const std::string& name, int32_t version) const {
    auto it = tables_.find({name, version});
    return it == tables_.end() ? nullptr : it->second;
  }

 private:
  std::map<std::pair<std::string, int32_t>, const void*> tables_;
};

// Each area adds its suites.
void AddArtworkSuites(SuiteRegistry& registry);  // art, matching, path, style,
                                                 // transform, layer, document,
                                                 // undo, random, math, shapes,
                                                 // bezier, tag
void AddDialogSuites(SuiteRegistry& registry);   // the ADM suites
void AddServiceSuites(SuiteRegistry& registry);  // blocks, access, memory, user,
                                                 // filter, menu

// All of the above.
const SuiteRegistry& HostSuites();

}  // namespace corvane::host
