// The `corvane` command: list, show, about and apply.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {

// Exit statuses.
enum : int { kExitDone = 0, kExitFilterError = 1, kExitUsage = 2 };

// Runs the command with its arguments; what it prints goes to out and err.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// One dialog action of `apply`, in command-line order.
struct Action {
  enum Kind { Set, Click } kind;
  int32_t item = 0;
  double value = 0;
  std::string text;  // as given, for messages
};

struct ApplyOptions {
  std::string filter;
  std::string input;
  std::string output;
  std::vector<Action> actions;
  std::optional<uint64_t> seed;
  std::optional<std::vector<float>> random;
  std::optional<std::vector<std::string>> select;
  std::string stateDir;
  std::string pluginDir;
  bool repeat = false;
  bool cancel = false;
};

// Where the deliverables are: $CORVANE_PLUGIN_DIR, else ../plugins beside
// the executable, else ./build/plugins.
std::string DefaultPluginDirectory();

// The library of a deliverable: a path to a library, or the name of one in
// the plug-in directory ("weightclamp" or "weightclamp.so").
std::optional<std::string> FindPlugin(const std::string& pluginDir, const std::string& filter,
                                      std::string* error);

int List(const std::string& pluginDir, std::ostream& out, std::ostream& err);
int Show(const std::string& pluginDir, const std::string& filter, const std::string& stateDir,
         std::ostream& out, std::ostream& err);
int About(const std::string& pluginDir, const std::string& filter, std::ostream& out,
          std::ostream& err);
int Apply(const ApplyOptions& options, std::ostream& out, std::ostream& err);

}  // namespace corvane::cli
