// PluginMain: the one way in. Dispatch, start-up registration, shutdown and
// the unload/reload hand-over of the globals block.
#include "framework/plugin.h"

#include "framework/parameters.h"

#include <string.h>

PluginGlobals* gGlobals = nullptr;

static HostError StartupPlugin(HostMessage* message) {
  void* block = nullptr;
  HostError error = sBlocks->AllocateBlock(sizeof(PluginGlobals), "globals", &block);
  if (error != kNoError) return error;
  if (block == nullptr) return kOutOfMemoryError;
  // Cleared here rather than trusted to the host: a stray filter count or
  // handle would be taken for a registration.
  memset(block, 0, sizeof(PluginGlobals));
  gGlobals = static_cast<PluginGlobals*>(block);
  gGlobals->basic = message->basic;
  return RegisterFilters(message);
}

static HostError ShutdownPlugin(HostMessage* message) {
  const BlocksSuiteV2* blocks = nullptr;
  HostError error = message->basic->ObtainSuite(
      kBlocksSuite, kBlocksSuiteVersion, reinterpret_cast<const void**>(&blocks));
  if (error == kNoError && blocks != nullptr) {
    if (gGlobals != nullptr) blocks->FreeBlock(gGlobals);
    gGlobals = nullptr;
    message->basic->ReturnSuite(kBlocksSuite, kBlocksSuiteVersion);
  }
  message->globals = nullptr;
  return error;
}

static HostError UnloadPlugin(HostMessage* message) {
  message->globals = gGlobals;
  return kNoError;
}

static HostError ReloadPlugin(HostMessage* message) {
  gGlobals = static_cast<PluginGlobals*>(message->globals);
  gSuiteNesting = 0;
  return kNoError;
}

static void MenuConditions(int32_t codes, int32_t conditions[6]) {
  static const int32_t kA[6] = {0, 0, 2, 0, 0, 0};
  static const int32_t kB[6] = {0, 0, 0, 0, 1, 0};
  memcpy(conditions, codes == kMenuCodesA ? kA : kB, sizeof kA);
}

HostError RegisterFilters(HostMessage* message) {
  const PluginDefinition& def = kPluginDefinition;
  const int32_t limit = def.generation == kNewerGeneration ? 2 : 20;
  int32_t n = 0;
  for (int32_t index = 1; index < limit; index += 2) {
    char category[65] = {0};
    char title[65] = {0};
    sADMBasic->GetIndexedString(message->pluginRef, 16000, index, category, sizeof category);
    if (category[0] == '\0') break;
    sADMBasic->GetIndexedString(message->pluginRef, 16000, index + 1, title, sizeof title);
    ToLengthPrefixed(category);
    ToLengthPrefixed(title);

    FilterData data;
    if (def.form == kTableForm) {
      data.category = reinterpret_cast<const unsigned char*>(category);
      data.title = reinterpret_cast<const unsigned char*>(title);
    } else {
      data.category = reinterpret_cast<const unsigned char*>(def.fixedCategory);
      data.title = reinterpret_cast<const unsigned char*>(def.fixedTitle);
    }
    HostError error = sFilter->AddFilter(message->pluginRef, def.filterName, &data, 0,
                                         &gGlobals->filters[n]);
    if (error != kNoError) return error;
    MenuItemRef item = nullptr;
    error = sFilter->GetFilterMenuItem(gGlobals->filters[n], &item);
    if (error != kNoError) return error;
    int32_t c[6];
    MenuConditions(def.menuCodes, c);
    error = sMenu->SetMenuItemAutoUpdate(item, 1, c[0], c[1], c[2], c[3], c[4], c[5]);
    if (error != kNoError) return error;
    if (def.callsMenuItemExtra) sMenu->MenuItemExtra(item);
    ++n;
  }
  gGlobals->filterCount = n;
  return kNoError;
}

static HostError DispatchFilter(const BasicSuite* basic, const char* selector,
                                HostMessage* message) {
  if (basic->SameText(selector, kSelectorGetParameters)) {
    if (gGlobals == nullptr || message->filter != gGlobals->filters[0]) return kNoError;
    return kPluginDefinition.getParameters(message);
  }
  if (basic->SameText(selector, kSelectorGo)) {
    // A Go sent alone before any Get Parameters has no block to work from,
    // and a kept block smaller than the record (stored by another build, or
    // damaged on the way) must not be read past its end.
    if (!HoldsBlock(message->parameters, kPluginDefinition.parameterBlockSize))
      return kNoParametersError;
    return kPluginDefinition.go(message);
  }
  return kNoError;
}

extern "C" __attribute__((visibility("default"))) HostError PluginMain(const char* caller,
                                                                        const char* selector,
                                                                        void* raw) {
  HostMessage* message = static_cast<HostMessage*>(raw);
  if (message == nullptr || message->basic == nullptr || caller == nullptr ||
      selector == nullptr)
    return kBadParameterError;
  const BasicSuite* basic = message->basic;

  if (basic->SameText(caller, kCallerAccess)) {
    if (basic->SameText(selector, kSelectorUnload)) return UnloadPlugin(message);
    if (basic->SameText(selector, kSelectorReload)) return ReloadPlugin(message);
    return kNoError;
  }

  HostError result = AcquireSuites(basic);
  if (result != kNoError) {
    if (result > 1) ReportError(message, result);
    return result;
  }

  if (basic->SameText(caller, kCallerInterface)) {
    if (basic->SameText(selector, kSelectorStartup)) {
      result = StartupPlugin(message);
    } else if (basic->SameText(selector, kSelectorAbout)) {
      ShowAbout(message);
      result = kNoError;
    } else if (basic->SameText(selector, kSelectorShutdown)) {
      result = ShutdownPlugin(message);
    }
  } else if (basic->SameText(caller, kCallerMenu)) {
    if (basic->SameText(selector, kSelectorGo)) result = kNoSelectionError;
  } else if (basic->SameText(caller, kCallerFilter)) {
    result = DispatchFilter(basic, selector, message);
  }

  if (result > 1) ReportError(message, result);
  ReleaseSuites(basic);
  return result;
}
