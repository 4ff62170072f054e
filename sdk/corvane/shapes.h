/* Ready-made shapes. Each constructor makes a new closed path on top of the
 * current layer with the host's default style. A nonzero reversed flag runs
 * the path the other way round. */
#ifndef CORVANE_SDK_SHAPES_H
#define CORVANE_SDK_SHAPES_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kShapeConstructionSuite "AI Shape Construction Suite"
#define kShapeConstructionSuiteVersion 4

typedef struct ShapeConstructionSuiteV4 {
  /* Rectangle with the given edges (top and bottom are vertical coordinates). */
  HostError (*NewRectanglePath)(Real top, Real left, Real bottom, Real right,
                                int32_t reversed, ArtRef* art);
  /* Rectangle of height x width centred on (x, y). */
  HostError (*NewRectangleShape)(Real x, Real y, Real height, Real width,
                                 int32_t reversed, ArtRef* art);
  /* As NewRectangleShape with corners rounded by the two radii. */
  HostError (*NewRoundedRectangleShape)(Real x, Real y, Real height, Real width,
                                        Real radiusH, Real radiusV, int32_t reversed,
                                        ArtRef* art);
  /* Ellipse inscribed in the height x width rectangle centred on (x, y). */
  HostError (*NewCircleShapeA)(Real x, Real y, Real height, Real width,
                               int32_t reversed, ArtRef* art);
  /* Ellipse circumscribing the height x width rectangle centred on (x, y). */
  HostError (*NewCircleShapeB)(Real x, Real y, Real height, Real width,
                               int32_t reversed, ArtRef* art);
  /* Regular polygon of sides (at least 3) with its vertices at radius from
   * (x, y), the first vertex straight up. */
  HostError (*NewPolygonShape)(int32_t sides, Real x, Real y, Real radius,
                               int32_t reversed, ArtRef* art);
  /* Star of points tips (at least 2) on the larger radius, alternating with
   * inner vertices on the smaller one, the first tip straight up. */
  HostError (*NewStarShape)(int32_t points, Real x, Real y, Real innerRadius,
                            Real outerRadius, int32_t reversed, ArtRef* art);
  /* Open spiral of quarterTurns quarter-circle arcs starting at start, the
   * first arc centred on centre; each arc's radius is the previous one times
   * decay. anticlockwise nonzero turns anticlockwise, 0 clockwise. */
  HostError (*NewSpiralShape)(const RealPoint* centre, const RealPoint* start, Real decay,
                              int32_t quarterTurns, int32_t anticlockwise, ArtRef* art);
} ShapeConstructionSuiteV4;

#ifdef __cplusplus
}
#endif

#endif
