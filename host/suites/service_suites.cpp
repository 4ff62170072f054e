// Plug-in services: blocks, memory handles, number text, filter
// registration and menus.
#include <corvane/sdk.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/memory.h"
#include "host/session.h"
#include "host/suites/registry.h"
#include "host/text.h"

namespace corvane::host {
namespace {

#define CV_FAIL_IF_INJECTED(name) \
  if (auto injected = InjectedFailure(name)) return *injected

HostError AllocateBlock(uint32_t size, const char* /*label*/, void** block) {
  if (block == nullptr) return kBadParameterError;
  *block = nullptr;
  CV_FAIL_IF_INJECTED("AllocateBlock");
  Session* session = CurrentSession();
  if (session == nullptr) return kBadParameterError;
  void* made = std::calloc(1, size == 0 ? 1 : size);
  if (made == nullptr) return kOutOfMemoryError;
  try {
    session->blocks[made] = session->calling;
  } catch (...) {
    std::free(made);
    return kOutOfMemoryError;
  }
  *block = made;
  return kNoError;
}

// Only blocks the host handed out are freed: anything else is refused rather
// than passed to free().
HostError FreeBlock(void* block) {
  CV_FAIL_IF_INJECTED("FreeBlock");
  Session* session = CurrentSession();
  if (block == nullptr) return kNoError;
  if (session == nullptr || session->blocks.erase(block) == 0) return kBadParameterError;
  std::free(block);
  return kNoError;
}

void Reserved() {}

HostError NewHandle(uint32_t size, MemHandle* handle) {
  if (handle == nullptr) return kBadParameterError;
  *handle = nullptr;
  CV_FAIL_IF_INJECTED("NewHandle");
  *handle = NewMemHandle(size);
  return *handle ? kNoError : kOutOfMemoryError;
}

HostError DisposeHandle(MemHandle handle) {
  CV_FAIL_IF_INJECTED("DisposeHandle");
  FreeMemHandle(handle);
  return kNoError;
}

HostError GetHandleSize(MemHandle handle, uint32_t* size) {
  if (handle == nullptr || size == nullptr) return kBadParameterError;
  *size = MemHandleSize(handle);
  return kNoError;
}

HostError FormatReal(Real value, int16_t decimals, unsigned char* text) {
  if (text == nullptr) return kBadParameterError;
  CV_FAIL_IF_INJECTED("FormatReal");
  if (decimals < 0) decimals = 0;
  if (decimals > 10) decimals = 10;
  char buffer[512];
  int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
  if (length < 0) return kBadParameterError;
  if (length > 255) length = 255;
  text[0] = static_cast<unsigned char>(length);
  std::memcpy(text + 1, buffer, static_cast<size_t>(length));
  return kNoError;
}

HostError ParseReal(const unsigned char* text, Real* value) {
  if (text == nullptr || value == nullptr) return kBadParameterError;
  CV_FAIL_IF_INJECTED("ParseReal");
  std::string digits = ReadLengthPrefixed(text, 256);
  char* end = nullptr;
  double parsed = std::strtod(digits.c_str(), &end);
  if (end == digits.c_str() || !std::isfinite(parsed)) return kBadParameterError;
  *value = static_cast<Real>(parsed);
  return kNoError;
}

FilterRegistration* Registration(void* ref) {
  Session* session = CurrentSession();
  if (session == nullptr || ref == nullptr) return nullptr;
  for (auto& filter : session->filters) {
    if (filter.get() == ref) return filter.get();
  }
  return nullptr;
}

HostError AddFilter(PluginRef plugin, const char* name, const FilterData* data,
                    int32_t /*options*/, FilterRef* filter) {
  if (filter == nullptr) return kBadParameterError;
  *filter = nullptr;
  CV_FAIL_IF_INJECTED("AddFilter");
  Session* session = CurrentSession();
  if (session == nullptr || name == nullptr || data == nullptr || data->category == nullptr ||
      data->title == nullptr)
    return kBadParameterError;
  auto registration = std::make_unique<FilterRegistration>();
  registration->plugin = plugin;
  registration->name = name;
  registration->category = ReadLengthPrefixed(data->category, 256);
  registration->title = ReadLengthPrefixed(data->title, 256);
  *filter = reinterpret_cast<FilterRef>(registration.get());
  session->filters.push_back(std::move(registration));
  return kNoError;
}

// A filter's menu item is the filter's registration itself.
HostError GetFilterMenuItem(FilterRef filter, MenuItemRef* item) {
  if (item == nullptr) return kBadParameterError;
  *item = nullptr;
  CV_FAIL_IF_INJECTED("GetFilterMenuItem");
  if (Registration(filter) == nullptr) return kBadParameterError;
  *item = reinterpret_cast<MenuItemRef>(filter);
  return kNoError;
}

HostError SetMenuItemAutoUpdate(MenuItemRef item, int32_t action, int32_t c0, int32_t c1,
                                int32_t c2, int32_t c3, int32_t c4, int32_t c5) {
  CV_FAIL_IF_INJECTED("SetMenuItemAutoUpdate");
  FilterRegistration* registration = Registration(item);
  if (registration == nullptr) return kBadParameterError;
  registration->action = action;
  const int32_t conditions[6] = {c0, c1, c2, c3, c4, c5};
  std::memcpy(registration->conditions, conditions, sizeof conditions);
  return kNoError;
}

HostError MenuItemExtra(MenuItemRef item) {
  FilterRegistration* registration = Registration(item);
  if (registration == nullptr) return kBadParameterError;
  ++registration->menuExtraCalls;
  return kNoError;
}

const BlocksSuiteV2 kBlocks = {AllocateBlock, FreeBlock};
const AccessSuiteV3 kAccess = {Reserved};
const MdMemorySuiteV1 kMemory = {NewHandle, DisposeHandle, GetHandleSize};
const UserSuiteV4 kUser = {FormatReal, ParseReal};
const FilterSuiteV2 kFilter = {AddFilter, GetFilterMenuItem};
const MenuSuiteV5 kMenu = {SetMenuItemAutoUpdate, MenuItemExtra};

}  // namespace

void AddServiceSuites(SuiteRegistry& registry) {
  registry.add(kBlocksSuite, kBlocksSuiteVersion, &kBlocks);
  registry.add(kAccessSuite, kAccessSuiteVersion, &kAccess);
  registry.add(kMdMemorySuite, kMdMemorySuiteVersion, &kMemory);
  registry.add(kUserSuite, kUserSuiteVersion, &kUser);
  registry.add(kFilterSuite, kFilterSuiteVersion, &kFilter);
  registry.add(kMenuSuite, kMenuSuiteVersion, &kMenu);
}

}  // namespace corvane::host
