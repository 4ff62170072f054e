#include "host/loader/plugin_host.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdlib>
#include <set>
#include <utility>

#include <cstring>

#include "host/memory.h"
#include "host/model/journal.h"
#include "host/resources/plugin_resources.h"

namespace corvane::host {
namespace {

PluginRef NextPluginRef() {
  static PluginRef next = 0x1000;
  return ++next;
}

std::string StemOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = file.find('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

// Libraries open in this process, by file identity. Rationale: a
// deliverable keeps its globals and suite tables in the library image, and
// the system shares one image among all who open the same file; a second
// host in the same process would overwrite the first one's state.
std::set<std::pair<dev_t, ino_t>>& OpenFiles() {
  static std::set<std::pair<dev_t, ino_t>> files;
  return files;
}

bool FileIdentity(const std::string& path, std::pair<dev_t, ino_t>* id) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return false;
  *id = {info.st_dev, info.st_ino};
  return true;
}

// Rationale for remembering the identity: the file may be replaced (by a
// rebuild) while the library is open.
void CloseLibrary(LoadedPlugin& plugin) {
  if (plugin.library == nullptr) return;
  dlclose(plugin.library);
  OpenFiles().erase({static_cast<dev_t>(plugin.fileDevice), static_cast<ino_t>(plugin.fileInode)});
  plugin.library = nullptr;
  plugin.entry = nullptr;
}

}  // namespace

const FilterRegistration* LoadedPlugin::filter(const Session& session) const {
  for (const auto& registration : session.filters) {
    if (registration->plugin == ref) return registration.get();
  }
  return nullptr;
}

LoadResult InspectPlugin(const std::string& path) {
  LoadResult result;
  auto read = PluginResources::Read(path);
  if (!read) {
    result.error = "cannot read the resources of " + path + ": " + read.error().message();
    return result;
  }
  auto resources = std::make_unique<PluginResources>(std::move(read).value());
  PiplCheck check = resources->checkPipl();
  if (!check.ok) {
    result.error = "not a usable plug-in: " + check.reason;
    return result;
  }
  result.plugin = std::make_unique<LoadedPlugin>();
  result.plugin->path = path;
  result.plugin->name = StemOf(path);
  result.plugin->resources = std::move(resources);
  return result;
}

PluginHost::~PluginHost() {
  for (auto& plugin : plugins_) {
    if (plugin->started) shutdown(*plugin);
    FreeMemHandle(plugin->parameters);
    plugin->parameters = nullptr;
    CloseLibrary(*plugin);
    // Blocks a plug-in still holds (its Shutdown failed or never came) are
    // the host's to reclaim once the plug-in is gone.
    for (auto it = session_.blocks.begin(); it != session_.blocks.end();) {
      if (it->second != plugin->ref) {
        ++it;
        continue;
      }
      std::free(it->first);
      it = session_.blocks.erase(it);
    }
    session_.plugins.erase(plugin->ref);
  }
}

static HostError OpenLibrary(LoadedPlugin& plugin, std::string* error) {
  std::pair<dev_t, ino_t> id;
  if (!FileIdentity(plugin.path, &id)) {
    if (error) *error = "cannot load: " + plugin.path + " is gone";
    return kBadParameterError;
  }
  if (OpenFiles().count(id)) {
    if (error) *error = "cannot load: the library is already loaded by another host in this process";
    return kBadParameterError;
  }
  plugin.library = dlopen(plugin.path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (plugin.library == nullptr) {
    if (error) *error = std::string("cannot load: ") + dlerror();
    return kBadParameterError;
  }
  void* entry = dlsym(plugin.library, kPluginEntryName);
  if (entry == nullptr) {
    if (error) *error = "the library does not export PluginMain";
    dlclose(plugin.library);
    plugin.library = nullptr;
    return kBadParameterError;
  }
  plugin.entry = reinterpret_cast<PluginMainProc>(entry);
  plugin.fileDevice = id.first;
  plugin.fileInode = id.second;
  OpenFiles().insert(id);
  return kNoError;
}

LoadedPlugin* PluginHost::load(const std::string& path, std::string* error) {
  LoadResult inspected = InspectPlugin(path);
  if (!inspected.plugin) {
    if (error) *error = inspected.error;
    return nullptr;
  }
  LoadedPlugin& plugin = *inspected.plugin;
  if (OpenLibrary(plugin, error) != kNoError) return nullptr;
  plugin.ref = NextPluginRef();
  session_.plugins[plugin.ref] = plugin.resources.get();
  plugins_.push_back(std::move(inspected.plugin));
  return plugins_.back().get();
}

HostError PluginHost::send(LoadedPlugin& plugin, const char* caller, const char* selector) {
  if (plugin.entry == nullptr) return kBadParameterError;
  HostMessage message{};
  message.pluginRef = plugin.ref;
  message.globals = plugin.globals;
  message.basic = HostBasicSuite();
  const FilterRegistration* filter = plugin.filter(session_);
  message.filter = reinterpret_cast<FilterRef>(const_cast<FilterRegistration*>(filter));
  message.parameters = plugin.parameters;
  SessionScope scope(session_);
  PluginRef outer = session_.calling;
  session_.calling = plugin.ref;
  HostError result = plugin.entry(caller, selector, &message);
  session_.calling = outer;
  plugin.globals = message.globals;
  // A plug-in that could not use the kept block hands back a new one in its
  // place; the old one is no longer anybody's.
  if (message.parameters != plugin.parameters) FreeMemHandle(plugin.parameters);
  plugin.parameters = message.parameters;
  return result;
}

HostError PluginHost::startup(LoadedPlugin& plugin) {
  HostError result = send(plugin, kCallerInterface, kSelectorStartup);
  plugin.started = true;  // even a failed start-up may hold a globals block
  return result;
}

HostError PluginHost::about(LoadedPlugin& plugin) {
  return send(plugin, kCallerInterface, kSelectorAbout);
}

HostError PluginHost::getParameters(LoadedPlugin& plugin) {
  if (session_.journal) session_.journal->begin();
  return send(plugin, kCallerFilter, kSelectorGetParameters);
}

HostError PluginHost::go(LoadedPlugin& plugin) { return send(plugin, kCallerFilter, kSelectorGo); }

HostError PluginHost::repeat(LoadedPlugin& plugin) {
  if (session_.journal) session_.journal->begin();
  return go(plugin);
}

HostError PluginHost::unload(LoadedPlugin& plugin) {
  HostError result = send(plugin, kCallerAccess, kSelectorUnload);
  CloseLibrary(plugin);
  return result;
}

HostError PluginHost::reload(LoadedPlugin& plugin) {
  std::string error;
  if (plugin.library == nullptr && OpenLibrary(plugin, &error) != kNoError) return kBadParameterError;
  return send(plugin, kCallerAccess, kSelectorReload);
}

HostError PluginHost::shutdown(LoadedPlugin& plugin) {
  HostError result = send(plugin, kCallerInterface, kSelectorShutdown);
  plugin.started = false;
  return result;
}

void PluginHost::setParameters(LoadedPlugin& plugin, const void* bytes, uint32_t size) {
  FreeMemHandle(plugin.parameters);
  plugin.parameters = NewMemHandle(size);
  if (plugin.parameters) std::memcpy(*plugin.parameters, bytes, size);
}

}  // namespace corvane::host
