/* Plug-in services: memory, registration, menus, number text. */
#ifndef CORVANE_SDK_SERVICES_H
#define CORVANE_SDK_SERVICES_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kBlocksSuite "SP Blocks Suite"
#define kBlocksSuiteVersion 2

typedef struct BlocksSuiteV2 {
  /* A zero-filled block of size bytes; label names it in diagnostics. */
  HostError (*AllocateBlock)(uint32_t size, const char* label, void** block);
  HostError (*FreeBlock)(void* block);
} BlocksSuiteV2;

#define kAccessSuite "SP Access Suite"
#define kAccessSuiteVersion 3

/* Obtained by the plug-ins but never called. */
typedef struct AccessSuiteV3 {
  void (*Reserved)(void);
} AccessSuiteV3;

#define kMdMemorySuite "AI MdMemory Suite"
#define kMdMemorySuiteVersion 1

typedef struct MdMemorySuiteV1 {
  /* A zero-filled handle of size bytes. */
  HostError (*NewHandle)(uint32_t size, MemHandle* handle);
  /* Null is accepted and ignored. */
  HostError (*DisposeHandle)(MemHandle handle);
  HostError (*GetHandleSize)(MemHandle handle, uint32_t* size);
} MdMemorySuiteV1;

#define kUserSuite "AI User Suite"
#define kUserSuiteVersion 4

typedef struct UserSuiteV4 {
  /* Writes value with the given number of decimals as a length-prefixed
   * string (first byte the length) into text, which holds 256 bytes. */
  HostError (*FormatReal)(Real value, int16_t decimals, unsigned char* text);
  /* Reads a number from a length-prefixed string; text that is no number
   * gives kBadParameterError and leaves *value unchanged. */
  HostError (*ParseReal)(const unsigned char* text, Real* value);
} UserSuiteV4;

#define kFilterSuite "AI Filter Suite"
#define kFilterSuiteVersion 2

/* Category and title as length-prefixed strings (first byte the length).
 * The host reads no further than the length byte says, nor past a NUL, nor
 * past 255 characters. */
typedef struct FilterData {
  const unsigned char* category;
  const unsigned char* title;
} FilterData;

typedef struct FilterSuiteV2 {
  HostError (*AddFilter)(PluginRef plugin, const char* name, const FilterData* data,
                         int32_t options, FilterRef* filter);
  HostError (*GetFilterMenuItem)(FilterRef filter, MenuItemRef* item);
} FilterSuiteV2;

#define kMenuSuite "AI Menu Suite"
#define kMenuSuiteVersion 5

typedef struct MenuSuiteV5 {
  /* Records when the host enables the item: action and six condition codes. */
  HostError (*SetMenuItemAutoUpdate)(MenuItemRef item, int32_t action, int32_t ifTypes,
                                     int32_t ifNotTypes, int32_t ifSelected,
                                     int32_t ifNotSelected, int32_t ifDocument,
                                     int32_t ifNotDocument);
  /* A host-specific extra; plug-ins rely on nothing it does. */
  HostError (*MenuItemExtra)(MenuItemRef item);
} MenuSuiteV5;

#define kTagSuite "AI Tag Suite"
#define kTagSuiteVersion 2

/* Obtained by some plug-ins but never called. */
typedef struct TagSuiteV2 {
  void (*Reserved)(void);
} TagSuiteV2;

#ifdef __cplusplus
}
#endif

#endif
