// The suite boundary of the artwork suites: how a C function of a suite
// table finds its document and turns the model's outcome into a code.
//
// Every suite function that returns a HostError runs its body through Run,
// which (in this order) returns the failure injected for the operation's
// name, answers kBadParameterError outside a SessionScope or when the session
// has no document, and turns any exception into a code (kOutOfMemoryError
// for exhausted memory, kBadParameterError otherwise) so that none reaches a
// plug-in.
#pragma once

#include "host/model/document.h"
#include "host/model/editor.h"
#include "host/session.h"

#include <corvane/art.h>
#include <corvane/document.h>
#include <corvane/geometry.h>
#include <corvane/path.h>
#include <corvane/services.h>
#include <corvane/shapes.h>

#include <new>

namespace corvane::host::artwork {

template <class Body>
HostError Run(const char* operation, Body&& body) noexcept {
  try {
    if (auto code = InjectedFailure(operation)) return *code;
    Session* session = CurrentSession();
    if (!session || !session->document) return kBadParameterError;
    Editor editor(*session->document, session->journal);
    return body(editor, *session);
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryError;
  } catch (...) {
    return kBadParameterError;
  }
}

// References are the model's object addresses. They are only dereferenced
// after Editor::checkArt / checkLayer has found them among the live objects.
inline Art* ToArt(ArtRef ref) { return reinterpret_cast<Art*>(ref); }
inline ArtRef ToRef(Art* art) { return reinterpret_cast<ArtRef>(art); }
inline Layer* ToLayer(LayerRef ref) { return reinterpret_cast<Layer*>(ref); }
inline LayerRef ToRef(Layer* layer) { return reinterpret_cast<LayerRef>(layer); }

// The tables, one per suite.
const ArtSuiteV4& ArtSuite();
const MatchingArtSuiteV2& MatchingArtSuite();
const PathSuiteV4& PathSuite();
const PathStyleSuiteV4& PathStyleSuite();
const TransformArtSuiteV1& TransformArtSuite();
const LayerSuiteV7& LayerSuite();
const DocumentSuiteV5& DocumentSuite();
const UndoSuiteV3& UndoSuite();
const RandomSuiteV3& RandomSuite();
const TagSuiteV2& TagSuite();
const RealMathSuiteV1& RealMathSuite();
const RealBezierSuiteV1& RealBezierSuite();
const ShapeConstructionSuiteV4& ShapeConstructionSuite();

}  // namespace corvane::host::artwork
