// "AI Document Suite" 5, "AI Layer Suite" 7, "AI Undo Suite" 3,
// "AI Random Suite" 3 and "AI Tag Suite" 2.
#include "host/dialogs/manager.h"
#include "host/model/journal.h"
#include "host/suites/artwork_support.h"

namespace corvane::host::artwork {

namespace {

HostError GetDocumentBounds(DocumentBounds* bounds) {
  return Run("GetDocumentBounds", [&](Editor&, Session& session) -> HostError {
    if (!bounds) return kBadParameterError;
    *bounds = DocumentBounds{session.document->width, session.document->height, {0, 0, 0, 0}};
    return kNoError;
  });
}

HostError RedrawDocument() {
  return Run("RedrawDocument", [&](Editor&, Session& session) -> HostError {
    ++session.redraws;
    // Whoever mirrors the open dialogs shows the preview now.
    if (session.dialogs) session.dialogs->documentRedrawn();
    return kNoError;
  });
}

HostError InsertLayer(LayerRef prep, int16_t order, LayerRef* layer) {
  return Run("InsertLayer", [&](Editor& editor, Session&) -> HostError {
    if (!layer) return kBadParameterError;
    Layer* made = nullptr;
    if (HostError e = editor.insertLayer(ToLayer(prep), order, &made)) return e;
    *layer = ToRef(made);
    return kNoError;
  });
}

HostError SetLayerTitle(LayerRef layer, const char* title) {
  return Run("SetLayerTitle", [&](Editor& editor, Session&) -> HostError {
    if (!title) return kBadParameterError;
    if (HostError e = editor.checkLayer(ToLayer(layer))) return e;
    return editor.setLayerTitle(*ToLayer(layer), title);
  });
}

HostError MakeLayerCurrent(LayerRef layer) {
  return Run("MakeLayerCurrent", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkLayer(ToLayer(layer))) return e;
    return editor.makeLayerCurrent(*ToLayer(layer));
  });
}

HostError UndoChanges() {
  return Run("UndoChanges", [&](Editor&, Session& session) -> HostError {
    if (session.journal) session.journal->undo(*session.document);
    return kNoError;
  });
}

// No session or no random source gives 0, a valid value of the range.
Real RandomUnit() {
  try {
    Session* session = CurrentSession();
    return session && session->random ? session->random->next() : 0.0f;
  } catch (...) {
    return 0.0f;
  }
}

void TagReserved() {}

}  // namespace

const DocumentSuiteV5& DocumentSuite() {
  static const DocumentSuiteV5 table = {GetDocumentBounds, RedrawDocument};
  return table;
}

const LayerSuiteV7& LayerSuite() {
  static const LayerSuiteV7 table = {InsertLayer, SetLayerTitle, MakeLayerCurrent};
  return table;
}

const UndoSuiteV3& UndoSuite() {
  static const UndoSuiteV3 table = {UndoChanges};
  return table;
}

const RandomSuiteV3& RandomSuite() {
  static const RandomSuiteV3 table = {RandomUnit};
  return table;
}

const TagSuiteV2& TagSuite() {
  static const TagSuiteV2 table = {TagReserved};
  return table;
}

}  // namespace corvane::host::artwork
