// The commands: each sets up a host session, loads the deliverable through
// the real loader and talks to it with PluginMain messages.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <map>
#include <ostream>

#include "app/cli.h"
#include "host/dialogs/describe.h"
#include "host/dialogs/manager.h"
#include "host/io/document_io.h"
#include "host/loader/parameter_store.h"
#include "host/memory.h"
#include "host/loader/plugin_host.h"
#include "host/loader/run_agent.h"
#include "host/model/journal.h"

namespace corvane::cli {
namespace fs = std::filesystem;
using host::UserAction;

namespace {

std::string CodeText(HostError code) {
  int16_t upper = static_cast<int16_t>(static_cast<uint32_t>(code) >> 16);
  if (upper == 0 || upper == -1) return std::to_string(code);
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) text.push_back(static_cast<char>((code >> shift) & 0xFF));
  return text;
}

// The host's own words for a failure, used when the filter has no error
// dialog of its own.
std::string HostMessage(HostError code) {
  static const std::map<HostError, std::string> messages = {
      {kNoSelectionError, "Nothing is selected that this filter can work on."},
      {kLockedLayerError, "A layer the filter needs to change is locked or hidden."},
      {kTooManySegmentsError, "A path would have more anchor points than a path can hold."},
      {kNoParametersError, "The filter has no parameters yet: run it with its dialog first."},
      {kOutOfMemoryError, "The host ran out of memory."},
      {kBadParameterError, "The filter passed the host an argument it cannot use."},
      {kSuiteNotFoundError, "The filter asked for a suite the host does not offer."},
  };
  auto it = messages.find(code);
  return it != messages.end() ? it->second : "The filter ended with an error.";
}

// A host session over one document, with the dialogs worked by `agent`.
struct HostRun {
  std::unique_ptr<host::Document> document;
  host::Journal journal;
  std::unique_ptr<host::RandomSource> random;
  host::DialogManager dialogs;
  host::Session session;
  std::unique_ptr<host::PluginHost> plugins;

  explicit HostRun(std::unique_ptr<host::Document> doc) : document(std::move(doc)) {
    random = std::make_unique<host::SplitMixRandom>(1);
    session.document = document.get();
    session.journal = &journal;
    session.random = random.get();
    session.dialogs = &dialogs;
    plugins = std::make_unique<host::PluginHost>(session);
  }
  ~HostRun() { plugins.reset(); }
};

// A page with one selected square, for commands that open a filter's dialog
// without a document of the user's: filters that check the selection first
// then still show their dialog.
std::unique_ptr<host::Document> StandInDocument() {
  auto document = std::make_unique<host::Document>();
  host::Layer* layer = document->addLayer(" Layer 1");
  host::Art* square = document->createArt(host::ArtType::Path);
  square->closed = true;
  square->selected = true;
  square->style = document->newArtStyle;
  for (RealPoint p : {RealPoint{100, 100}, RealPoint{100, 200}, RealPoint{200, 200}, RealPoint{200, 100}})
    square->segments.push_back(PathSegment{p, p, p, 1});
  square->layer = layer;
  layer->art.push_back(square);
  return document;
}

host::LoadedPlugin* LoadAndStart(HostRun& run, const std::string& pluginDir,
                                 const std::string& filter, std::ostream& err) {
  std::string error;
  auto path = FindPlugin(pluginDir, filter, &error);
  if (!path) {
    err << "corvane: " << error << "\n";
    return nullptr;
  }
  host::LoadedPlugin* plugin = run.plugins->load(*path, &error);
  if (plugin == nullptr) {
    err << "corvane: " << filter << ": " << error << "\n";
    return nullptr;
  }
  HostError started = run.plugins->startup(*plugin);
  if (started != kNoError) {
    err << "corvane: " << filter << ": start-up failed with code " << CodeText(started) << "\n";
    return nullptr;
  }
  // A library that registers no filter has nothing the host could run.
  if (plugin->filter(run.session) == nullptr) {
    err << "corvane: " << filter << ": the plug-in registered no filter\n";
    return nullptr;
  }
  return plugin;
}

void KeepParameters(host::PluginHost& plugins, host::LoadedPlugin& plugin,
                    const host::ParameterStore& store, std::ostream& err) {
  std::string warning;
  if (auto kept = store.load(plugin.name, &warning)) {
    plugins.setParameters(plugin, kept->data(), static_cast<uint32_t>(kept->size()));
  } else if (!warning.empty()) {
    err << "corvane: " << warning << "\n";
  }
}

// Reports a filter error: the texts of its error dialog, or the host's own
// message with the code when the filter showed none.
void ReportFilterError(const std::string& filter, HostError code,
                       const std::vector<host::ShownError>& shown, std::ostream& err) {
  if (!shown.empty()) {
    for (const auto& error : shown)
      err << "corvane: " << filter << ": " << error.message << " (" << error.code << ")\n";
    return;
  }
  err << "corvane: " << filter << ": " << HostMessage(code) << " (" << CodeText(code) << ")\n";
}

// Plays the command's actions to the innermost dialog. What `--set` means
// depends on the item it names, which is known only once its dialog is open:
// a number for edit fields and sliders, 0/1 for check boxes, an entry id for
// lists. When the actions are used up every sub-dialog gets Ok and the
// outermost dialog Ok or, with --cancel, Cancel; the first action that fails
// ends the script the same way as a Cancel, and is reported.
class CommandAgent final : public host::UserAgent {
 public:
  CommandAgent(const std::vector<Action>& actions, bool cancel)
      : actions_(actions), cancel_(cancel) {}

  UserAction next(host::Dialog& dialog) override {
    if (!errors_.empty() || next_ >= actions_.size()) {
      bool outermost = dialog.depth() == 0;
      return outermost && (cancel_ || !errors_.empty()) ? UserAction::Cancel() : UserAction::Ok();
    }
    const Action& action = actions_[next_++];
    if (action.kind == Action::Click) return UserAction::Click(action.item);
    const host::Item* item = dialog.item(action.item);
    if (item != nullptr && (item->kind() == host::ItemKind::CheckBox ||
                            item->kind() == host::ItemKind::Radio)) {
      // The number goes through unconverted so that the dialog refuses
      // anything but 0 and 1 instead of a truncated 0.5 passing as 0.
      UserAction check = UserAction::SetChecked(action.item, 0);
      check.number = action.value;
      return check;
    }
    if (item != nullptr && item->list() != nullptr) {
      if (action.value != std::floor(action.value) || std::fabs(action.value) > INT32_MAX) {
        errors_.push_back("--set " + action.text + ": in dialog \"" + dialog.tmpl().title +
                          "\": item " + std::to_string(action.item) +
                          " is a list: the value must be an entry id, a whole number");
        return dialog.depth() == 0 ? UserAction::Cancel() : UserAction::Ok();
      }
      return UserAction::SelectEntry(action.item, static_cast<int32_t>(action.value));
    }
    return UserAction::SetValue(action.item, action.value);
  }

  void failed(const host::Dialog& dialog, const UserAction& action,
              const std::string& error) override {
    (void)action;
    if (next_ == 0) {
      errors_.push_back(error);
      return;
    }
    const Action& given = actions_[next_ - 1];
    errors_.push_back((given.kind == Action::Set ? "--set " : "--click ") + given.text +
                      ": in dialog \"" + dialog.tmpl().title + "\": " + error);
  }

  const std::vector<std::string>& errors() const { return errors_; }

 private:
  const std::vector<Action>& actions_;
  bool cancel_;
  size_t next_ = 0;
  std::vector<std::string> errors_;
};

}  // namespace

std::string DefaultPluginDirectory() {
  if (const char* dir = std::getenv("CORVANE_PLUGIN_DIR"); dir && *dir) return dir;
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    fs::path beside = exe.parent_path().parent_path() / "plugins";
    if (fs::is_directory(beside, ec)) return beside.string();
  }
  return "build/plugins";
}

std::optional<std::string> FindPlugin(const std::string& pluginDir, const std::string& filter,
                                      std::string* error) {
  std::error_code ec;
  if (filter.find('/') != std::string::npos) {
    if (fs::is_regular_file(filter, ec)) return filter;
    *error = "no plug-in library at " + filter;
    return std::nullopt;
  }
  std::string name = filter;
  std::transform(name.begin(), name.end(), name.begin(), ::tolower);
  if (name.size() > 3 && name.compare(name.size() - 3, 3, ".so") == 0) name.resize(name.size() - 3);
  fs::path candidate = fs::path(pluginDir) / (name + ".so");
  if (fs::is_regular_file(candidate, ec)) return candidate.string();
  *error = "no filter named '" + filter + "' in " + pluginDir + " (see `corvane list`)";
  return std::nullopt;
}

int List(const std::string& pluginDir, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  std::vector<fs::path> libraries;
  for (const auto& entry : fs::directory_iterator(pluginDir, ec)) {
    if (entry.path().extension() == ".so") libraries.push_back(entry.path());
  }
  if (ec) {
    err << "corvane: cannot read the plug-in directory " << pluginDir << ": " << ec.message() << "\n";
    return kExitUsage;
  }
  std::sort(libraries.begin(), libraries.end());
  for (const fs::path& library : libraries) {
    HostRun run(StandInDocument());
    std::string error;
    host::LoadedPlugin* plugin = run.plugins->load(library.string(), &error);
    std::string name = library.stem().string();
    if (plugin == nullptr) {
      out << name << "\tPIPL: invalid (" << error << ")\n";
      continue;
    }
    HostError started = run.plugins->startup(*plugin);
    const host::FilterRegistration* filter = plugin->filter(run.session);
    if (started != kNoError) {
      out << name << "\tPIPL: ok\tstart-up failed (" << CodeText(started) << ")\n";
      continue;
    }
    if (filter == nullptr) {
      out << name << "\tPIPL: ok\tregistered no filter\n";
      continue;
    }
    out << name << "\t\"" << filter->name << "\"\tcategory \"" << filter->category
        << "\"\ttitle \"" << filter->title << "\"\tPIPL: ok\n";
  }
  return kExitDone;
}

int Show(const std::string& pluginDir, const std::string& filter, const std::string& stateDir,
         std::ostream& out, std::ostream& err) {
  HostRun run(StandInDocument());
  host::LoadedPlugin* plugin = LoadAndStart(run, pluginDir, filter, err);
  if (plugin == nullptr) return kExitUsage;
  KeepParameters(*run.plugins, *plugin, host::ParameterStore(stateDir), err);

  // Looks at the main dialog as it opens, with the kept values, then
  // cancels it: nothing is drawn and nothing is kept.
  struct Describer final : host::UserAgent {
    std::string text;
    int32_t mainId = 0;
    UserAction next(host::Dialog& dialog) override {
      if (text.empty()) {
        text = host::DescribeDialog(dialog);
        mainId = dialog.resourceId();
      }
      return UserAction::Cancel();
    }
  } describer;
  host::RunAgent agent(describer);
  run.dialogs.setAgent(&agent);
  HostError result = run.plugins->getParameters(*plugin);
  run.dialogs.setAgent(nullptr);
  if (describer.text.empty()) {
    ReportFilterError(filter, result, agent.errors(), err);
    return result > 1 ? kExitFilterError : kExitUsage;
  }
  out << describer.text;
  // The other dialogs of the deliverable, from their resources.
  for (int32_t id : plugin->resources->dialogIds()) {
    if (id == describer.mainId || id == host::kErrorDialogId || id == host::kAboutDialogId) continue;
    out << "\n" << host::DescribeTemplate(*plugin->resources->dialog(id), id);
  }
  return kExitDone;
}

int About(const std::string& pluginDir, const std::string& filter, std::ostream& out,
          std::ostream& err) {
  HostRun run(StandInDocument());
  host::LoadedPlugin* plugin = LoadAndStart(run, pluginDir, filter, err);
  if (plugin == nullptr) return kExitUsage;
  host::ScriptedAgent none;
  host::RunAgent agent(none);
  run.dialogs.setAgent(&agent);
  run.plugins->about(*plugin);
  run.dialogs.setAgent(nullptr);
  if (agent.abouts().empty()) {
    out << filter << " has no About box.\n";
    return kExitDone;
  }
  for (const std::string& about : agent.abouts()) out << about << "\n";
  return kExitDone;
}

int Apply(const ApplyOptions& options, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (fs::exists(options.output, ec) && fs::equivalent(options.input, options.output, ec)) {
    err << "corvane: the output must not be the input: the input is never changed\n";
    return kExitUsage;
  }
  const std::string ext = fs::path(options.output).extension().string();
  if (ext != ".svg" && ext != ".json") {
    err << "corvane: " << options.output << ": the output must end in .svg or .json\n";
    return kExitUsage;
  }
  // Checked before the filter runs, so a path that cannot take the result
  // costs nothing: no work is done and no values are kept.
  const fs::path outputDir = fs::absolute(options.output, ec).parent_path();
  if (!fs::is_directory(outputDir, ec) || ::access(outputDir.c_str(), W_OK) != 0) {
    err << "corvane: " << options.output << ": cannot write into " << outputDir.string() << "\n";
    return kExitUsage;
  }
  const bool svgInput = fs::path(options.input).extension() == ".svg";
  if (options.select && !svgInput) {
    err << "corvane: --select names SVG ids; JSON input keeps its own selected flags\n";
    return kExitUsage;
  }
  host::SvgReadOptions readOptions;
  readOptions.selectIds = options.select;
  host::ReadResult read = host::ReadDocumentFile(options.input, readOptions);
  if (!read) {
    // The reader's message names the file and the place.
    err << "corvane: " << read.error.message << "\n";
    return kExitUsage;
  }

  HostRun run(std::move(read.document));
  if (options.random) {
    std::string error;
    run.random = host::ScriptedRandom::Make(*options.random, &error);
    if (!run.random) {
      err << "corvane: --random: " << error << "\n";
      return kExitUsage;
    }
  } else {
    run.random = std::make_unique<host::SplitMixRandom>(options.seed.value_or(1));
  }
  run.session.random = run.random.get();

  host::LoadedPlugin* plugin = LoadAndStart(run, options.pluginDir, options.filter, err);
  if (plugin == nullptr) return kExitUsage;
  host::ParameterStore store(options.stateDir);
  KeepParameters(*run.plugins, *plugin, store, err);

  CommandAgent script(options.actions, options.cancel);
  host::RunAgent agent(script);
  run.dialogs.setAgent(&agent);

  HostError result = kNoError;
  bool confirmed = false;
  if (options.repeat) {
    result = run.plugins->repeat(*plugin);
  } else {
    result = run.plugins->getParameters(*plugin);
    if (!script.errors().empty()) {
      for (const std::string& error : script.errors()) err << "corvane: " << error << "\n";
      return kExitUsage;
    }
    if (result == kNoError) {
      confirmed = true;
      result = run.plugins->go(*plugin);
    }
  }
  run.dialogs.setAgent(nullptr);

  // The values were confirmed with OK: keep them even when the work failed.
  if (confirmed && plugin->parameters != nullptr) {
    std::string error;
    if (!store.save(plugin->name, *plugin->parameters, host::MemHandleSize(plugin->parameters), &error))
      err << "corvane: warning: the values chosen could not be kept: " << error << "\n";
  }
  if (result == kCancelError) {
    out << "Cancelled: nothing was changed and no output was written.\n";
    return kExitDone;
  }
  if (result != kNoError) {
    ReportFilterError(options.filter, result, agent.errors(), err);
    return kExitFilterError;
  }
  run.plugins->shutdown(*plugin);

  host::WriteResult written = host::WriteDocumentFile(*run.document, options.output);
  if (!written) {
    err << "corvane: " << options.output << ": " << written.error->message << "\n";
    return kExitFilterError;
  }
  out << "Wrote " << options.output << "\n";
  return kExitDone;
}

}  // namespace corvane::cli
