#include "host/suites/artwork_support.h"
#include "host/suites/registry.h"

namespace corvane::host {

void AddArtworkSuites(SuiteRegistry& registry) {
  using namespace artwork;
  registry.add(kArtSuite, kArtSuiteVersion, &ArtSuite());
  registry.add(kMatchingArtSuite, kMatchingArtSuiteVersion, &MatchingArtSuite());
  registry.add(kPathSuite, kPathSuiteVersion, &PathSuite());
  registry.add(kPathStyleSuite, kPathStyleSuiteVersion, &PathStyleSuite());
  registry.add(kTransformArtSuite, kTransformArtSuiteVersion, &TransformArtSuite());
  registry.add(kLayerSuite, kLayerSuiteVersion, &LayerSuite());
  registry.add(kDocumentSuite, kDocumentSuiteVersion, &DocumentSuite());
  registry.add(kUndoSuite, kUndoSuiteVersion, &UndoSuite());
  registry.add(kRandomSuite, kRandomSuiteVersion, &RandomSuite());
  registry.add(kTagSuite, kTagSuiteVersion, &TagSuite());
  registry.add(kRealMathSuite, kRealMathSuiteVersion, &RealMathSuite());
  registry.add(kRealBezierSuite, kRealBezierSuiteVersion, &RealBezierSuite());
  registry.add(kShapeConstructionSuite, kShapeConstructionSuiteVersion, &ShapeConstructionSuite());
}

}  // namespace corvane::host
