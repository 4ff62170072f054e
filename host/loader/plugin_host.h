// Loads deliverables and runs the filter cycle with them: Startup, About,
// Get Parameters, Go, Unload/Reload and Shutdown, each as one PluginMain
// call with a HostMessage and the session in scope.
#pragma once

#include <corvane/sdk.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/resources/plugin_resources.h"
#include "host/session.h"

namespace corvane::host {

class PluginResources;

// One deliverable: its file, its resources (read from the file before the
// library is loaded) and, once loaded, its entry point.
struct LoadedPlugin {
  std::string path;
  std::string name;  // file name without directory and extension, e.g. "weightclamp"
  std::unique_ptr<PluginResources> resources;
  PluginRef ref = 0;
  void* library = nullptr;
  // The identity (device, inode) of the file the open library came from.
  uint64_t fileDevice = 0;
  uint64_t fileInode = 0;
  PluginMainProc entry = nullptr;
  void* globals = nullptr;       // the message's globals slot, kept across calls
  MemHandle parameters = nullptr;  // the filter's kept parameter block
  bool started = false;

  // The first filter the plug-in registered, or null.
  const FilterRegistration* filter(const Session& session) const;
};

struct LoadResult {
  std::unique_ptr<LoadedPlugin> plugin;
  std::string error;  // why the file is not a usable deliverable
};

// Reads the resources of the file and checks its PIPL; loads nothing.
LoadResult InspectPlugin(const std::string& path);

class PluginHost {
 public:
  explicit PluginHost(Session& session) : session_(session) {}
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // Inspects, then loads the library and finds PluginMain. The host owns the
  // plug-in from then on.
  LoadedPlugin* load(const std::string& path, std::string* error);

  HostError startup(LoadedPlugin& plugin);
  HostError about(LoadedPlugin& plugin);
  // Begins a new use of the filter (an undo span) and asks for parameters.
  HostError getParameters(LoadedPlugin& plugin);
  // Go within the current use (after getParameters).
  HostError go(LoadedPlugin& plugin);
  // Go sent alone with the kept block: a new use of its own.
  HostError repeat(LoadedPlugin& plugin);
  // Unloads the library, keeping its globals pointer, and loads it again.
  HostError unload(LoadedPlugin& plugin);
  HostError reload(LoadedPlugin& plugin);
  HostError shutdown(LoadedPlugin& plugin);

  // Sends any message; the message record is built from the plug-in's state
  // and written back (globals slot, parameter handle) afterwards.
  HostError send(LoadedPlugin& plugin, const char* caller, const char* selector);

  // Gives the filter a kept block (e.g. read from the state folder); the host
  // owns it from then on.
  void setParameters(LoadedPlugin& plugin, const void* bytes, uint32_t size);

  Session& session() { return session_; }

 private:
  Session& session_;
  std::vector<std::unique_ptr<LoadedPlugin>> plugins_;
};

// The basic interface the host hands plug-ins in every message.
const BasicSuite* HostBasicSuite();

// Counts of successful ObtainSuite and ReturnSuite calls since the process
// started, so tests can see the suite bracket at work.
struct SuiteTraffic {
  long obtained = 0;
  long returned = 0;
};
SuiteTraffic& HostSuiteTraffic();

}  // namespace corvane::host
