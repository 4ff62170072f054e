// Command-line parsing; the commands themselves are in commands.cpp.
#include "app/cli.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <ostream>
#include <sstream>

#include "host/loader/parameter_store.h"

namespace corvane::cli {
namespace {

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, ',')) parts.push_back(part);
  return parts;
}

bool ParseNumber(const std::string& text, double* value) {
  if (text.empty()) return false;
  size_t used = 0;
  try {
    *value = std::stod(text, &used);
  } catch (...) {
    return false;
  }
  return used == text.size() && std::isfinite(*value);
}

bool ParseItemId(const std::string& text, int32_t* id) {
  double value = 0;
  if (!ParseNumber(text, &value) || value != std::floor(value) || value < 1 || value > 65535)
    return false;
  *id = static_cast<int32_t>(value);
  return true;
}

// --set and --click in the order they were given.
bool CollectActions(CLI::App& apply, CLI::Option* set, CLI::Option* click,
                    std::vector<Action>* actions, std::string* error) {
  size_t nextSet = 0, nextClick = 0;
  for (CLI::Option* option : apply.parse_order()) {
    if (option == set) {
      const std::string text = set->results().at(nextSet++);
      size_t eq = text.find('=');
      Action action{Action::Set, 0, 0, text};
      if (eq == std::string::npos || !ParseItemId(text.substr(0, eq), &action.item) ||
          !ParseNumber(text.substr(eq + 1), &action.value)) {
        *error = "--set " + text + ": expected ID=NUMBER, for example --set 301=2.5";
        return false;
      }
      actions->push_back(action);
    } else if (option == click) {
      const std::string text = click->results().at(nextClick++);
      Action action{Action::Click, 0, 0, text};
      if (!ParseItemId(text, &action.item)) {
        *error = "--click " + text + ": expected an item id";
        return false;
      }
      actions->push_back(action);
    }
  }
  return true;
}

}  // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Runs Corvane filters on SVG and JSON documents.", "corvane"};
  app.require_subcommand(1);
  std::string pluginDir = DefaultPluginDirectory();
  app.add_option("--plugins", pluginDir, "Directory of the filter libraries");

  auto* list = app.add_subcommand("list", "List the filters found, with their registration");

  std::string filter;
  std::string stateDir = host::ParameterStore::DefaultDirectory();
  auto* show = app.add_subcommand("show", "Show a filter's dialogs: items, ranges, values");
  show->add_option("FILTER", filter, "Filter (deliverable name)")->required();
  show->add_option("--state", stateDir, "Folder of the kept parameter blocks");

  auto* about = app.add_subcommand("about", "Show a filter's About box");
  about->add_option("FILTER", filter, "Filter (deliverable name)")->required();

  ApplyOptions options;
  std::string randomText, selectText;
  uint64_t seed = 1;
  auto* apply = app.add_subcommand("apply", "Run a filter on a document");
  apply->add_option("FILTER", options.filter, "Filter (deliverable name)")->required();
  apply->add_option("INPUT", options.input, "Input document (.svg or .json)")->required();
  apply->add_option("-o,--output", options.output, "Output document (.svg or .json)")->required();
  auto* setOption = apply->add_option("--set", "ID=VALUE: type into a field, set a check box "
                                               "(0/1), choose a list entry by id")
                        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
                        ->allow_extra_args(false);
  auto* clickOption = apply->add_option("--click", "ID: press a button")
                          ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
                          ->allow_extra_args(false);
  auto* seedOption = apply->add_option("--seed", seed, "Seed of the random source (default 1)");
  auto* randomOption =
      apply->add_option("--random", randomText, "Cycle of random values in [0, 1): v1,v2,...");
  seedOption->excludes(randomOption);
  auto* selectOption = apply->add_option("--select", selectText, "SVG ids to select: id,id,...");
  apply->add_option("--state", stateDir, "Folder of the kept parameter blocks");
  apply->add_flag("--repeat", options.repeat, "Run again with the kept values, no dialog");
  apply->add_flag("--cancel", options.cancel, "Cancel the dialog instead of confirming it");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? kExitDone : kExitUsage;
  }

  if (*list) return List(pluginDir, out, err);
  if (*show) return Show(pluginDir, filter, stateDir, out, err);
  if (*about) return About(pluginDir, filter, out, err);

  options.pluginDir = pluginDir;
  options.stateDir = stateDir;
  std::string error;
  if (!CollectActions(*apply, setOption, clickOption, &options.actions, &error)) {
    err << "corvane: " << error << "\n";
    return kExitUsage;
  }
  if (*seedOption) options.seed = seed;
  if (*randomOption) {
    std::vector<float> cycle;
    for (const std::string& part : SplitCommas(randomText)) {
      double value = 0;
      if (!ParseNumber(part, &value) || value < 0 || static_cast<float>(value) >= 1.0f) {
        err << "corvane: --random " << randomText
            << ": expected numbers from 0 up to, not including, 1\n";
        return kExitUsage;
      }
      cycle.push_back(static_cast<float>(value));
    }
    if (cycle.empty()) {
      err << "corvane: --random needs at least one value\n";
      return kExitUsage;
    }
    options.random = cycle;
  }
  if (*selectOption) options.select = SplitCommas(selectText);
  if (options.repeat && (!options.actions.empty() || options.cancel)) {
    err << "corvane: --repeat runs without a dialog; it takes no --set, --click or --cancel\n";
    return kExitUsage;
  }
  return Apply(options, out, err);
}

}  // namespace corvane::cli
