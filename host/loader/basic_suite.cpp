// The basic interface: suites by name and version, and string comparison.
#include <cstring>

#include "host/loader/plugin_host.h"
#include "host/suites/registry.h"

namespace corvane::host {
namespace {

HostError ObtainSuite(const char* name, int32_t version, const void** table) {
  if (table == nullptr) return kBadParameterError;
  *table = nullptr;
  if (name == nullptr) return kBadParameterError;
  Session* session = CurrentSession();
  if (session && session->failures.refuses(name)) return kSuiteNotFoundError;
  if (auto injected = InjectedFailure("ObtainSuite")) return *injected;
  const void* found = HostSuites().find(name, version);
  if (found == nullptr) return kSuiteNotFoundError;
  *table = found;
  ++HostSuiteTraffic().obtained;
  return kNoError;
}

HostError ReturnSuite(const char* name, int32_t version) {
  if (name == nullptr) return kBadParameterError;
  Session* session = CurrentSession();
  if (session && session->failures.failsReturn(name)) return kBadParameterError;
  if (HostSuites().find(name, version) == nullptr) return kSuiteNotFoundError;
  ++HostSuiteTraffic().returned;
  return kNoError;
}

int32_t SameText(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return 0;
  return std::strcmp(a, b) == 0 ? 1 : 0;
}

const BasicSuite kBasic = {ObtainSuite, ReturnSuite, SameText};

}  // namespace

const BasicSuite* HostBasicSuite() { return &kBasic; }

SuiteTraffic& HostSuiteTraffic() {
  static SuiteTraffic traffic;
  return traffic;
}

}  // namespace corvane::host
