/* Art objects and the selection. */
#ifndef CORVANE_SDK_ART_H
#define CORVANE_SDK_ART_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Art types (16-bit in the calls). */
#define kGroupArt ((int16_t)1)
#define kPathArt ((int16_t)2)
#define kCompoundPathArt ((int16_t)3)
/* A path-like kind that filters ask for together with kPathArt. Our host has
 * no art of this kind; asking for it is harmless. */
#define kPathLikeArt ((int16_t)8)

/* Attribute masks. */
#define kArtSelected ((int32_t)1)

/* Paint orders for new and duplicated art. */
#define kPlaceAbove ((int16_t)1)  /* directly above the reference art */
#define kPlaceBelow ((int16_t)2)  /* directly below the reference art; at the bottom
                                     of the current layer when there is none */
#define kPlaceInsideOnTop ((int16_t)3)    /* last member of the reference group */
#define kPlaceInsideOnBottom ((int16_t)4) /* first member of the reference group */
#define kPlaceAboveAll ((int16_t)5)       /* on top of the current layer */

#define kArtSuite "AI Art Suite"
#define kArtSuiteVersion 4

/* Every editing call on art of a locked or hidden layer gives kLockedLayerError. */
typedef struct ArtSuiteV4 {
  /* Makes an empty art of the type (group, path or compound path) at the
   * placement given by order and prep (see the paint orders). */
  HostError (*NewArt)(int16_t type, int16_t order, ArtRef prep, ArtRef* art);
  /* Removes the art, with its members, from the document. */
  HostError (*DisposeArt)(ArtRef art);
  /* Copies the art whole (members included) to the placement given. The copy
   * keeps the source's selection state and can be edited at once. */
  HostError (*DuplicateArt)(ArtRef art, int16_t order, ArtRef prep, ArtRef* copy);
  HostError (*GetArtType)(ArtRef art, int16_t* type);
  /* Sets the attributes in mask to value (kArtSelected only). */
  HostError (*SetArtAttributes)(ArtRef art, int32_t mask, int32_t value);
  /* First member of a group or compound path; null when it has none. */
  HostError (*GetFirstChild)(ArtRef art, ArtRef* child);
  /* Next art in paint order within the same parent; null at the end. */
  HostError (*GetNextSibling)(ArtRef art, ArtRef* next);
  /* Geometric bounds (stroke width not included) of the anchors and control
   * points; the union of the members for groups and compound paths. An empty
   * path gives an all-zero rectangle and succeeds. */
  HostError (*GetArtBounds)(ArtRef art, RealRect* bounds);
} ArtSuiteV4;

#define kMatchingArtSuite "AI Matching Art Suite"
#define kMatchingArtSuiteVersion 2

typedef struct MatchingArtSpec {
  int16_t type;    /* art type */
  int16_t reserved;
  int32_t mask;    /* attributes that must have the given value */
  int32_t value;
} MatchingArtSpec;

typedef struct MatchingArtSuiteV2 {
  /* Every art matching any of the specs, bottom to top in document order, a
   * parent before its members. *matches is a handle of ArtRef owned by the
   * caller (dispose of it with DisposeHandle); when nothing matches *count is
   * 0 and *matches is null. Art on hidden layers never matches. */
  HostError (*GetMatchingArt)(const MatchingArtSpec* specs, int16_t specCount,
                              MemHandle* matches, int32_t* count);
} MatchingArtSuiteV2;

#ifdef __cplusplus
}
#endif

#endif
