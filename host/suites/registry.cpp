#include "host/suites/registry.h"

namespace corvane::host {

const SuiteRegistry& HostSuites() {
  static const SuiteRegistry registry = [] {
    SuiteRegistry r;
    AddArtworkSuites(r);
    AddDialogSuites(r);
    AddServiceSuites(r);
    return r;
  }();
  return registry;
}

}  // namespace corvane::host
