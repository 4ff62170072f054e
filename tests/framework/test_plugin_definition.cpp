// The framework library expects the definition of the deliverable it is
// linked into. The framework tests drive its parts directly, never through
// PluginMain, so a definition that registers nothing is enough.
#include "framework/plugin.h"

const PluginDefinition kPluginDefinition = {
    kNewerGeneration, "Framework Test Filter", kFixedForm, " Corvane Tests",
    " Framework Test...", kMenuCodesA, 0, 0, nullptr, nullptr, 0};
