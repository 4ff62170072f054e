// "ADM Basic Suite", "ADM Dialog Suite", "ADM Notifier Suite" and "ADM Icon
// Suite", and the registration of all dialog suites.
#include "host/dialogs/suite_support.h"
#include "host/resources/plugin_resources.h"
#include "host/suites/registry.h"

#include <algorithm>
#include <cstring>

namespace corvane::host {
namespace {

HostError GetIndexedString(PluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t size) {
  if (!buffer || size < 1) return kBadParameterError;
  buffer[0] = '\0';
  return Guarded<HostError>(kBadParameterError, [&]() -> HostError {
    if (std::optional<HostError> failure = InjectedFailure("GetIndexedString")) return *failure;
    Session* session = CurrentSession();
    if (!session) return kBadParameterError;
    auto it = session->plugins.find(plugin);
    if (it == session->plugins.end() || !it->second) return kBadParameterError;
    std::optional<std::string> text = it->second->string(listId + index);
    if (!text) return kNoResourceError;
    CopyCut(*text, buffer, size);
    return kNoError;
  });
}

int32_t RunModalDialog(PluginRef plugin, const char* name, int32_t resourceId, int32_t style,
                       DialogInitProc init, void* userData) {
  return Guarded<int32_t>(-1, [&] {
    DialogManager* dialogs = CurrentDialogs();
    return dialogs ? dialogs->RunModalDialog(plugin, name, resourceId, style, init, userData) : -1;
  });
}

void* GetDialogUserData(DialogRef handle) {
  return Guarded<void*>(nullptr, [&]() -> void* {
    Dialog* dialog = Resolve(handle);
    return dialog ? dialog->userData() : nullptr;
  });
}

ItemRef GetItem(DialogRef handle, int32_t itemId) {
  return Guarded<ItemRef>(nullptr, [&]() -> ItemRef {
    Dialog* dialog = Resolve(handle);
    Item* item = dialog ? dialog->item(itemId) : nullptr;
    return item ? ToRef(item) : nullptr;
  });
}

void GetDialogBounds(DialogRef handle, IntRect* bounds) {
  if (!bounds) return;
  Dialog* dialog = Guarded<Dialog*>(nullptr, [&] { return Resolve(handle); });
  *bounds = dialog ? dialog->bounds() : IntRect{0, 0, 0, 0};
}

void SetDialogBounds(DialogRef handle, const IntRect* bounds) {
  if (!bounds) return;
  Guarded([&] {
    if (Dialog* dialog = Resolve(handle)) dialog->setBounds(*bounds);
  });
}

int32_t NotifierIs(NotifierRef handle, const char* type) {
  if (!type) return 0;
  return Guarded<int32_t>(0, [&] {
    const Notifier* notifier = Resolve(handle);
    return notifier && notifier->type == type ? 1 : 0;
  });
}

void IconReserved(void) {}

const ADMBasicSuiteV2 kBasicSuite = {GetIndexedString};
const ADMDialogSuiteV3 kDialogSuite = {RunModalDialog, GetDialogUserData, GetItem, GetDialogBounds,
                                       SetDialogBounds};
const ADMNotifierSuiteV1 kNotifierSuite = {NotifierIs};
const ADMIconSuiteV1 kIconSuite = {IconReserved};

}  // namespace

void CopyCut(const std::string& text, char* buffer, int32_t size) {
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  if (n < text.size())
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

void AddDialogSuites(SuiteRegistry& registry) {
  registry.add(kADMBasicSuite, kADMBasicSuiteVersion, &kBasicSuite);
  registry.add(kADMDialogSuite, kADMDialogSuiteVersion, &kDialogSuite);
  registry.add(kADMItemSuite, kADMItemSuiteVersion, &ItemSuiteTable());
  registry.add(kADMListSuite, kADMListSuiteVersion, &ListSuiteTable());
  registry.add(kADMEntrySuite, kADMEntrySuiteVersion, &EntrySuiteTable());
  registry.add(kADMNotifierSuite, kADMNotifierSuiteVersion, &kNotifierSuite);
  registry.add(kADMIconSuite, kADMIconSuiteVersion, &kIconSuite);
}

}  // namespace corvane::host
