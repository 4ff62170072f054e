// Entry, dispatch and filter cycle shared by every deliverable.
//
// A deliverable supplies one PluginDefinition (its registration data, the
// suites it uses and its two routines); the framework supplies PluginMain,
// the suite bracket, registration, the parameter block life cycle, the
// error report and the About box. Both framework generations are this one
// code with per-deliverable settings.
#pragma once

#include <corvane/sdk.h>

// Suite tables, valid between AcquireSuites and ReleaseSuites. A deliverable
// obtains only the rows of its own SuiteTable; the others stay null.
extern const BlocksSuiteV2* sBlocks;
extern const AccessSuiteV3* sAccess;
extern const MdMemorySuiteV1* sMemory;
extern const RealMathSuiteV1* sMath;
extern const ArtSuiteV4* sArt;
extern const UserSuiteV4* sUser;
extern const DocumentSuiteV5* sDocument;
extern const UndoSuiteV3* sUndo;
extern const MatchingArtSuiteV2* sMatching;
extern const PathSuiteV4* sPath;
extern const PathStyleSuiteV4* sStyle;
extern const RandomSuiteV3* sRandom;
extern const TransformArtSuiteV1* sTransform;
extern const ShapeConstructionSuiteV4* sShapes;
extern const LayerSuiteV7* sLayer;
extern const MenuSuiteV5* sMenu;
extern const FilterSuiteV2* sFilter;
extern const TagSuiteV2* sTag;
extern const RealBezierSuiteV1* sBezier;
extern const ADMBasicSuiteV2* sADMBasic;
extern const ADMDialogSuiteV3* sDialog;
extern const ADMItemSuiteV4* sItem;
extern const ADMIconSuiteV1* sIcon;
extern const ADMNotifierSuiteV1* sNotifier;
extern const ADMListSuiteV1* sList;
extern const ADMEntrySuiteV2* sEntry;

// One row of the SuiteTable.
struct SuiteRow {
  const char* name;
  int32_t version;
  const void** global;
};

// Every suite a deliverable may use, in the order they are obtained. A
// deliverable's own table is these rows less the ones it names in
// PluginDefinition::omittedSuites (one bit per row, below).
extern const SuiteRow kSuiteTable[];
enum : int32_t { kSuiteTableRows = 26 };

enum : uint32_t {
  kBlocksRow = 1u << 0,
  kAccessRow = 1u << 1,
  kMemoryRow = 1u << 2,
  kMathRow = 1u << 3,
  kArtRow = 1u << 4,
  kUserRow = 1u << 5,
  kDocumentRow = 1u << 6,
  kUndoRow = 1u << 7,
  kMatchingRow = 1u << 8,
  kPathRow = 1u << 9,
  kStyleRow = 1u << 10,
  kRandomRow = 1u << 11,
  kTransformRow = 1u << 12,
  kShapesRow = 1u << 13,
  kLayerRow = 1u << 14,
  kMenuRow = 1u << 15,
  kFilterRow = 1u << 16,
  kTagRow = 1u << 17,
  kBezierRow = 1u << 18,
  kADMBasicRow = 1u << 19,
  kDialogRow = 1u << 20,
  kItemRow = 1u << 21,
  kIconRow = 1u << 22,
  kNotifierRow = 1u << 23,
  kListRow = 1u << 24,
  kEntryRow = 1u << 25,
};

// Framework generation: how many filters registration may add.
enum : int32_t { kOlderGeneration = 0, kNewerGeneration = 1 };
// Registration form: category and title from the string table, or constants.
enum : int32_t { kTableForm = 0, kFixedForm = 1 };
// Menu codes: the conditions passed to SetMenuItemAutoUpdate.
enum : int32_t { kMenuCodesA = 0, kMenuCodesB = 1 };

struct PluginDefinition {
  int32_t generation;
  const char* filterName;
  int32_t form;
  // Fixed form: one space, the text, a NUL; passed to AddFilter as they are.
  const char* fixedCategory;
  const char* fixedTitle;
  int32_t menuCodes;
  int32_t callsMenuItemExtra;  // nonzero: MenuItemExtra after the auto-update
  uint32_t omittedSuites;  // rows of kSuiteTable the deliverable does not obtain
  HostError (*getParameters)(HostMessage* message);
  // Called only with a kept block of at least parameterBlockSize bytes.
  HostError (*go)(HostMessage* message);
  uint32_t parameterBlockSize;
};

// Supplied by the deliverable.
extern const PluginDefinition kPluginDefinition;

// The globals block: allocated at start-up, freed at shutdown.
enum : int32_t { kMaxFilterSlots = 10 };
struct PluginGlobals {
  FilterRef filters[kMaxFilterSlots];  // the newer generation uses one slot
  int32_t filterCount;
  const BasicSuite* basic;
};

// Count of PluginMain calls inside the suite bracket.
extern int16_t gSuiteNesting;
extern PluginGlobals* gGlobals;

HostError AcquireSuites(const BasicSuite* basic);
HostError ReleaseSuites(const BasicSuite* basic);
HostError RegisterFilters(HostMessage* message);
void ReportError(HostMessage* message, HostError code);
HostError ShowAbout(HostMessage* message);

// In-place conversions. ToLengthPrefixed fails, changing nothing, on a string
// longer than 255 characters.
HostError ToLengthPrefixed(char* buffer);
void ToNulTerminated(char* buffer);

// The four-character code text of an error, most significant byte first.
void FourCharText(HostError code, char text[5]);
