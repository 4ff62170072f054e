// The suite bracket: every message but the access messages obtains the
// deliverable's suites on the way in and returns them on the way out; only
// the outermost of nested calls does either.
#include "framework/plugin.h"

const BlocksSuiteV2* sBlocks;
const AccessSuiteV3* sAccess;
const MdMemorySuiteV1* sMemory;
const RealMathSuiteV1* sMath;
const ArtSuiteV4* sArt;
const UserSuiteV4* sUser;
const DocumentSuiteV5* sDocument;
const UndoSuiteV3* sUndo;
const MatchingArtSuiteV2* sMatching;
const PathSuiteV4* sPath;
const PathStyleSuiteV4* sStyle;
const RandomSuiteV3* sRandom;
const TransformArtSuiteV1* sTransform;
const ShapeConstructionSuiteV4* sShapes;
const LayerSuiteV7* sLayer;
const MenuSuiteV5* sMenu;
const FilterSuiteV2* sFilter;
const TagSuiteV2* sTag;
const RealBezierSuiteV1* sBezier;
const ADMBasicSuiteV2* sADMBasic;
const ADMDialogSuiteV3* sDialog;
const ADMItemSuiteV4* sItem;
const ADMIconSuiteV1* sIcon;
const ADMNotifierSuiteV1* sNotifier;
const ADMListSuiteV1* sList;
const ADMEntrySuiteV2* sEntry;

int16_t gSuiteNesting = 0;

#define SUITE_ROW(name, global) \
  { name, name##Version, reinterpret_cast<const void**>(&(global)) }

const SuiteRow kSuiteTable[kSuiteTableRows] = {
    SUITE_ROW(kBlocksSuite, sBlocks),
    SUITE_ROW(kAccessSuite, sAccess),
    SUITE_ROW(kMdMemorySuite, sMemory),
    SUITE_ROW(kRealMathSuite, sMath),
    SUITE_ROW(kArtSuite, sArt),
    SUITE_ROW(kUserSuite, sUser),
    SUITE_ROW(kDocumentSuite, sDocument),
    SUITE_ROW(kUndoSuite, sUndo),
    SUITE_ROW(kMatchingArtSuite, sMatching),
    SUITE_ROW(kPathSuite, sPath),
    SUITE_ROW(kPathStyleSuite, sStyle),
    SUITE_ROW(kRandomSuite, sRandom),
    SUITE_ROW(kTransformArtSuite, sTransform),
    SUITE_ROW(kShapeConstructionSuite, sShapes),
    SUITE_ROW(kLayerSuite, sLayer),
    SUITE_ROW(kMenuSuite, sMenu),
    SUITE_ROW(kFilterSuite, sFilter),
    SUITE_ROW(kTagSuite, sTag),
    SUITE_ROW(kRealBezierSuite, sBezier),
    SUITE_ROW(kADMBasicSuite, sADMBasic),
    SUITE_ROW(kADMDialogSuite, sDialog),
    SUITE_ROW(kADMItemSuite, sItem),
    SUITE_ROW(kADMIconSuite, sIcon),
    SUITE_ROW(kADMNotifierSuite, sNotifier),
    SUITE_ROW(kADMListSuite, sList),
    SUITE_ROW(kADMEntrySuite, sEntry),
};

static bool UsesRow(int32_t row) {
  return (kPluginDefinition.omittedSuites & (1u << row)) == 0;
}

// Obtains every row whose global is still null. Rationale: a ReturnSuite that
// failed part-way leaves the nesting count at 1 with some globals already
// cleared; fetching the missing ones again keeps the next call from using a
// null table. On a failure, the suites obtained by this attempt are given
// back and their globals cleared, so nothing is half-obtained.
static HostError ObtainMissing(const BasicSuite* basic) {
  const SuiteRow* rows = kSuiteTable;
  bool obtained[kSuiteTableRows] = {};
  for (int32_t i = 0; i < kSuiteTableRows; ++i) {
    if (!UsesRow(i) || *rows[i].global != nullptr) continue;
    HostError error = basic->ObtainSuite(rows[i].name, rows[i].version, rows[i].global);
    if (error == kNoError && *rows[i].global == nullptr) error = kSuiteNotFoundError;
    if (error != kNoError) {
      *rows[i].global = nullptr;
      for (int32_t j = 0; j < i; ++j) {
        if (!obtained[j]) continue;
        basic->ReturnSuite(rows[j].name, rows[j].version);
        *rows[j].global = nullptr;
      }
      return error;
    }
    obtained[i] = true;
  }
  return kNoError;
}

HostError AcquireSuites(const BasicSuite* basic) {
  if (basic == nullptr) return kBadParameterError;
  HostError error = ObtainMissing(basic);
  if (error != kNoError) return error;
  ++gSuiteNesting;
  return kNoError;
}

HostError ReleaseSuites(const BasicSuite* basic) {
  if (gSuiteNesting == 1) {
    const SuiteRow* rows = kSuiteTable;
    for (int32_t i = 0; i < kSuiteTableRows; ++i) {
      if (!UsesRow(i) || *rows[i].global == nullptr) continue;
      HostError error = basic->ReturnSuite(rows[i].name, rows[i].version);
      if (error != kNoError) return error;
      *rows[i].global = nullptr;
    }
  }
  if (gSuiteNesting > 0) --gSuiteNesting;
  return kNoError;
}
