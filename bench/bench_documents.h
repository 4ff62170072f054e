// Large documents for the benchmarks.
#pragma once

#include <memory>

#include "host/model/document.h"

namespace corvane::bench {

// A letter page with `paths` selected paths spread over four layers: closed
// curved shapes of eight segments and open polylines of six, each with a
// four-colour fill and a stroke whose colour kind (grey, four-colour,
// three-colour) and width vary from path to path.
std::unique_ptr<host::Document> MakeLargeDocument(int paths);

}  // namespace corvane::bench
