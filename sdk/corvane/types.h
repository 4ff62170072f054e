/* Basic types shared by the host and every plug-in.
 *
 * Every record that crosses the plug-in boundary is built from fixed-size
 * fields only. Reals are single precision, as the plug-ins compute in single
 * precision throughout. */
#ifndef CORVANE_SDK_TYPES_H
#define CORVANE_SDK_TYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Result of every host operation and plug-in routine. 0 is success. */
typedef int32_t HostError;

/* Four-character codes are stored with the first character as the most
 * significant byte, so CV_CODE('S','T','O','P') prints as "STOP". */
#define CV_CODE(a, b, c, d)                                                    \
  ((int32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
             ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

#define kNoError ((HostError)0)
/* The user cancelled a dialog; the host does not send "AI Go" and shows nothing. */
#define kCancelError CV_CODE('S', 'T', 'O', 'P')
/* No usable selection. */
#define kNoSelectionError CV_CODE('!', 's', 'e', 'l')
/* The parameter block could not be allocated. */
#define kNoParametersError CV_CODE('!', 'M', 'E', 'M')
/* Art on a locked or hidden layer cannot be edited. */
#define kLockedLayerError CV_CODE('S', 'E', 'G', 'M')
/* A path would exceed kMaxSegments. */
#define kTooManySegmentsError CV_CODE('N', 'E', 'S', 'S')
/* A null, stale or otherwise unusable argument. */
#define kBadParameterError CV_CODE('P', 'A', 'R', 'M')
/* A suite of that name and version is not offered. */
#define kSuiteNotFoundError CV_CODE('S', '!', 'F', 'D')
/* A resource of that kind and id does not exist in the plug-in. */
#define kNoResourceError CV_CODE('R', 'E', 'S', '?')
/* Host memory is exhausted (the classic numeric code). */
#define kOutOfMemoryError ((HostError)271)

typedef float Real;

typedef struct RealPoint {
  Real h; /* horizontal */
  Real v; /* vertical, growing upwards */
} RealPoint;

/* A rectangle in document coordinates: top >= bottom for a proper rectangle. */
typedef struct RealRect {
  Real left;
  Real top;
  Real right;
  Real bottom;
} RealRect;

/* An affine matrix: x' = a x + c y + tx, y' = b x + d y + ty. */
typedef struct RealMatrix {
  Real a, b, c, d, tx, ty;
} RealMatrix;

/* A dialog rectangle in screen units, as remembered in parameter blocks. */
typedef struct IntRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
} IntRect;

/* Opaque references handed out by the host. They stay valid for as long as
 * the thing they name exists; the host answers a stale or null reference with
 * kBadParameterError rather than crashing. */
typedef struct CvArt* ArtRef;
typedef struct CvLayer* LayerRef;
typedef struct CvFilter* FilterRef;
typedef struct CvMenuItem* MenuItemRef;

/* A relocatable memory block: a pointer to a pointer to the data. */
typedef void** MemHandle;

/* The host's reference to a loaded plug-in. Rationale: it is 32 bits wide so
 * that plug-ins can keep it inside their flat 32-bit parameter blocks on a
 * 64-bit host too. */
typedef uint32_t PluginRef;

#ifdef __cplusplus
}
#endif

#endif
