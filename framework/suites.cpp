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

// Obtains every row whose global is still null. Rationale: a ReturnSuite that
// failed part-way leaves the nesting count at 1 with some globals already
// cleared; fetching the missing ones again keeps the next call from using a
// null table. On a failure, the suites obtained by this attempt are given
// back and their globals cleared, so nothing is half-obtained.
static HostError ObtainMissing(const BasicSuite* basic) {
  const SuiteRow* rows = kPluginDefinition.suites;
  const int32_t count = kPluginDefinition.suiteCount;
  bool obtained[64] = {};
  for (int32_t i = 0; i < count && i < 64; ++i) {
    if (*rows[i].global != nullptr) continue;
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
    const SuiteRow* rows = kPluginDefinition.suites;
    for (int32_t i = 0; i < kPluginDefinition.suiteCount; ++i) {
      if (*rows[i].global == nullptr) continue;
      HostError error = basic->ReturnSuite(rows[i].name, rows[i].version);
      if (error != kNoError) return error;
      *rows[i].global = nullptr;
    }
  }
  if (gSuiteNesting > 0) --gSuiteNesting;
  return kNoError;
}
