/* The document, its layers, undo and the random source. */
#ifndef CORVANE_SDK_DOCUMENT_H
#define CORVANE_SDK_DOCUMENT_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kDocumentSuite "AI Document Suite"
#define kDocumentSuiteVersion 5

typedef struct DocumentBounds {
  Real width;   /* page width, points */
  Real height;  /* page height, points */
  Real reserved[4];
} DocumentBounds;

typedef struct DocumentSuiteV5 {
  HostError (*GetDocumentBounds)(DocumentBounds* bounds);
  /* Shows the current state of the document (behind an open dialog). */
  HostError (*RedrawDocument)(void);
} DocumentSuiteV5;

#define kLayerSuite "AI Layer Suite"
#define kLayerSuiteVersion 7

typedef struct LayerSuiteV7 {
  /* With prep null and order kPlaceAboveAll, the new layer goes above all
   * layers and becomes the current layer, so new art lands on it. */
  HostError (*InsertLayer)(LayerRef prep, int16_t order, LayerRef* layer);
  HostError (*SetLayerTitle)(LayerRef layer, const char* title);
  HostError (*MakeLayerCurrent)(LayerRef layer);
} LayerSuiteV7;

#define kUndoSuite "AI Undo Suite"
#define kUndoSuiteVersion 3

typedef struct UndoSuiteV3 {
  /* Takes back every change made since the current use of the filter began
   * (its Get Parameters and the Go that follows), or since the last
   * UndoChanges. Harmless when there is nothing to take back. */
  HostError (*UndoChanges)(void);
} UndoSuiteV3;

#define kRandomSuite "AI Random Suite"
#define kRandomSuiteVersion 3

typedef struct RandomSuiteV3 {
  /* A number from 0 up to, not including, 1. */
  Real (*RandomUnit)(void);
} RandomSuiteV3;

#ifdef __cplusplus
}
#endif

#endif
