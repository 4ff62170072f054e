// A document in a session, with the artwork suite tables as plug-ins get
// them, and builders for the art the tests start from.
#pragma once

#include "host/model/document.h"
#include "host/model/journal.h"
#include "host/session.h"
#include "host/suites/registry.h"

#include <corvane/sdk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace corvane::host::testing {

inline ArtRef Ref(Art* art) { return reinterpret_cast<ArtRef>(art); }
inline Art* ArtOf(ArtRef ref) { return reinterpret_cast<Art*>(ref); }
inline LayerRef Ref(Layer* layer) { return reinterpret_cast<LayerRef>(layer); }
inline Layer* LayerOfRef(LayerRef ref) { return reinterpret_cast<Layer*>(ref); }

// A corner segment with both controls on the anchor.
inline PathSegment Seg(Real h, Real v) { return PathSegment{{h, v}, {h, v}, {h, v}, 1}; }

class SuiteTest : public ::testing::Test {
 protected:
  SuiteTest() : scope_(session_) {
    AddArtworkSuites(registry_);
    session_.document = &doc_;
    session_.journal = &journal_;
    base_ = doc_.addLayer("Base");
    doc_.current = base_;
    art = table<ArtSuiteV4>(kArtSuite, kArtSuiteVersion);
    matching = table<MatchingArtSuiteV2>(kMatchingArtSuite, kMatchingArtSuiteVersion);
    path = table<PathSuiteV4>(kPathSuite, kPathSuiteVersion);
    style = table<PathStyleSuiteV4>(kPathStyleSuite, kPathStyleSuiteVersion);
    transform = table<TransformArtSuiteV1>(kTransformArtSuite, kTransformArtSuiteVersion);
    layers = table<LayerSuiteV7>(kLayerSuite, kLayerSuiteVersion);
    document = table<DocumentSuiteV5>(kDocumentSuite, kDocumentSuiteVersion);
    undo = table<UndoSuiteV3>(kUndoSuite, kUndoSuiteVersion);
    random = table<RandomSuiteV3>(kRandomSuite, kRandomSuiteVersion);
    math = table<RealMathSuiteV1>(kRealMathSuite, kRealMathSuiteVersion);
    bezier = table<RealBezierSuiteV1>(kRealBezierSuite, kRealBezierSuiteVersion);
    shapes = table<ShapeConstructionSuiteV4>(kShapeConstructionSuite,
                                             kShapeConstructionSuiteVersion);
  }

  template <class T>
  const T* table(const char* name, int32_t version) {
    const T* found = static_cast<const T*>(registry_.find(name, version));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // Builders: art placed directly, without the suites or the journal.
  Art* addPath(Layer* layer, std::initializer_list<PathSegment> segments, bool selected = false) {
    Art* a = doc_.createArt(ArtType::Path);
    a->segments = segments;
    a->selected = selected;
    layer->art.push_back(a);
    doc_.relink();
    return a;
  }
  Art* addContainer(Layer* layer, ArtType type, std::vector<Art*> members, bool selected = false) {
    Art* a = doc_.createArt(type);
    a->selected = selected;
    for (Art* m : members) {
      auto& top = m->layer->art;
      top.erase(std::find(top.begin(), top.end(), m));
      a->members.push_back(m);
    }
    layer->art.push_back(a);
    doc_.relink();
    return a;
  }

  Session session_;
  Document doc_;
  Journal journal_;
  SuiteRegistry registry_;
  SessionScope scope_;
  Layer* base_ = nullptr;

  const ArtSuiteV4* art = nullptr;
  const MatchingArtSuiteV2* matching = nullptr;
  const PathSuiteV4* path = nullptr;
  const PathStyleSuiteV4* style = nullptr;
  const TransformArtSuiteV1* transform = nullptr;
  const LayerSuiteV7* layers = nullptr;
  const DocumentSuiteV5* document = nullptr;
  const UndoSuiteV3* undo = nullptr;
  const RandomSuiteV3* random = nullptr;
  const RealMathSuiteV1* math = nullptr;
  const RealBezierSuiteV1* bezier = nullptr;
  const ShapeConstructionSuiteV4* shapes = nullptr;
};

}  // namespace corvane::host::testing
