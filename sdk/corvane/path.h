/* Path geometry and paint. */
#ifndef CORVANE_SDK_PATH_H
#define CORVANE_SDK_PATH_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The most segments a path can hold. */
#define kMaxSegments 32767

typedef struct PathSegment {
  RealPoint p;     /* anchor */
  RealPoint in;    /* control point of the curve arriving at the anchor */
  RealPoint out;   /* control point of the curve leaving the anchor */
  int32_t corner;  /* nonzero: the controls need not be in line */
} PathSegment;

#define kPathSuite "AI Path Suite"
#define kPathSuiteVersion 4

typedef struct PathSuiteV4 {
  HostError (*GetSegmentCount)(ArtRef path, int16_t* count);
  /* Grows the path with segments at its last anchor, or cuts it short. Counts
   * above kMaxSegments give kTooManySegmentsError. */
  HostError (*SetSegmentCount)(ArtRef path, int16_t count);
  HostError (*GetSegments)(ArtRef path, int16_t first, int16_t count, PathSegment* segments);
  /* Writes count segments from index first; writing at index = count appends. */
  HostError (*SetSegments)(ArtRef path, int16_t first, int16_t count, const PathSegment* segments);
  HostError (*SetPathClosed)(ArtRef path, int32_t closed);
  HostError (*SetPathGuide)(ArtRef path, int32_t guide);
  /* Length of the path's curves; flatness 0 asks for the host's default. */
  HostError (*GetPathLength)(ArtRef path, Real* length, Real flatness);
} PathSuiteV4;

/* Colour kinds. */
#define kGreyColour 0
#define kFourColour 1
#define kPatternColour 2 /* carried opaquely */
#define kSpotColour 4    /* carried opaquely; 52 bytes of data */
#define kThreeColour 5

typedef struct Colour {
  int32_t kind;
  union {
    Real grey;                          /* 0 = white, 1 = black */
    struct { Real cyan, magenta, yellow, black; } four;
    struct { Real red, green, blue; } three;
    uint8_t raw[64];
  } data;
} Colour;

/* The style of a path. Read whole, changed in place, written whole. */
typedef struct PathStyle {
  int32_t fillPaint;      /* 0 = no fill */
  int32_t fillOverprint;
  Colour fill;
  int32_t strokePaint;    /* 0 = no stroke */
  Colour stroke;
  int32_t strokeOverprint;
  Real strokeWidth;       /* points */
  Real dashOffset;
  int32_t dashCount;      /* 0 = solid */
  Real dashes[6];
  int32_t cap;            /* 0 butt, 1 round, 2 projecting */
  int32_t join;           /* 0 miter, 1 round, 2 bevel */
  Real miterLimit;
  int32_t evenOdd;        /* fill rule: nonzero = even-odd */
} PathStyle;

#define kPathStyleSuite "AI Path Style Suite"
#define kPathStyleSuiteVersion 4

typedef struct PathStyleSuiteV4 {
  HostError (*GetPathStyle)(ArtRef art, PathStyle* style);
  HostError (*SetPathStyle)(ArtRef art, const PathStyle* style);
} PathStyleSuiteV4;

#ifdef __cplusplus
}
#endif

#endif
