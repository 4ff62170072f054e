#include "support/harness.h"

#include <gtest/gtest.h>

#include "host/dialogs/manager.h"
#include "host/loader/run_agent.h"
#include "host/model/journal.h"

namespace corvane::testing {
namespace {

// Plays the steps to the innermost dialog; once they are used up, every
// dialog gets Ok (or the outermost Cancel).
class StepAgent final : public host::UserAgent {
 public:
  StepAgent(std::vector<Step> steps, bool cancelAtEnd, std::vector<std::string>& errors)
      : steps_(std::move(steps)), cancelAtEnd_(cancelAtEnd), errors_(errors) {}

  host::UserAction next(host::Dialog& dialog) override {
    while (next_ < steps_.size() && steps_[next_].kind == Step::Inspect) {
      steps_[next_++].inspect(dialog);
    }
    if (aborted_ || next_ >= steps_.size()) {
      bool outermost = dialog.depth() == 0;
      return outermost && (cancelAtEnd_ || aborted_) ? host::UserAction::Cancel()
                                                     : host::UserAction::Ok();
    }
    const Step& step = steps_[next_++];
    switch (step.kind) {
      case Step::Set: return host::UserAction::SetValue(step.item, step.value);
      case Step::Check: return host::UserAction::SetChecked(step.item, step.value != 0);
      case Step::Select:
        return host::UserAction::SelectEntry(step.item, static_cast<int32_t>(step.value));
      case Step::Click: return host::UserAction::Click(step.item);
      case Step::Move: return host::UserAction::Move(step.rect);
      case Step::Ok: return host::UserAction::Ok();
      case Step::Cancel: return host::UserAction::Cancel();
      case Step::Inspect: break;
    }
    return host::UserAction::Ok();
  }

  void failed(const host::Dialog& dialog, const host::UserAction& action,
              const std::string& error) override {
    errors_.push_back("dialog " + std::to_string(dialog.resourceId()) + ": " +
                      host::DescribeAction(action) + ": " + error);
    aborted_ = true;
  }

 private:
  std::vector<Step> steps_;
  bool cancelAtEnd_;
  std::vector<std::string>& errors_;
  size_t next_ = 0;
  bool aborted_ = false;
};

}  // namespace

Harness::Harness(float width, float height)
    : document_(std::make_unique<host::Document>(width, height)),
      journal_(std::make_unique<host::Journal>()),
      random_(std::make_unique<host::SplitMixRandom>(1)),
      dialogs_(std::make_unique<host::DialogManager>()) {
  document_->addLayer(" Layer 1");
  session_.document = document_.get();
  session_.journal = journal_.get();
  session_.random = random_.get();
  session_.dialogs = dialogs_.get();
  host_ = std::make_unique<host::PluginHost>(session_);
}

Harness::~Harness() {
  host_.reset();
}

host::LoadedPlugin& Harness::load(const std::string& deliverable) {
  std::string error;
  const std::string path = deliverable.find('/') != std::string::npos
                               ? deliverable
                               : std::string(CORVANE_PLUGIN_DIR) + "/" + deliverable + ".so";
  host::LoadedPlugin* plugin = host_->load(path, &error);
  if (plugin == nullptr) {
    ADD_FAILURE() << "cannot load " << deliverable << ": " << error;
    throw std::runtime_error("cannot load " + deliverable);
  }
  HostError started = host_->startup(*plugin);
  EXPECT_EQ(started, kNoError) << "Startup of " << deliverable;
  return *plugin;
}

HostError Harness::getParameters(host::LoadedPlugin& plugin, std::vector<Step> steps,
                                 bool cancelAtEnd) {
  StepAgent steps_agent(std::move(steps), cancelAtEnd, stepErrors_);
  host::RunAgent agent(steps_agent);
  dialogs_->setAgent(&agent);
  HostError result = host_->getParameters(plugin);
  dialogs_->setAgent(nullptr);
  for (const auto& shown : agent.errors()) errors_.push_back({shown.message, shown.code});
  return result;
}

HostError Harness::go(host::LoadedPlugin& plugin) {
  StepAgent none({}, false, stepErrors_);
  host::RunAgent agent(none);
  dialogs_->setAgent(&agent);
  HostError result = host_->go(plugin);
  dialogs_->setAgent(nullptr);
  for (const auto& shown : agent.errors()) errors_.push_back({shown.message, shown.code});
  return result;
}

HostError Harness::repeat(host::LoadedPlugin& plugin) {
  if (journal_) journal_->begin();
  return go(plugin);
}

HostError Harness::apply(host::LoadedPlugin& plugin, std::vector<Step> steps) {
  HostError result = getParameters(plugin, std::move(steps));
  if (result != kNoError) return result;
  return go(plugin);
}

void Harness::seed(uint64_t seed) {
  random_ = std::make_unique<host::SplitMixRandom>(seed);
  session_.random = random_.get();
}

bool Harness::scriptRandom(std::vector<float> cycle) {
  std::string error;
  auto scripted = host::ScriptedRandom::Make(std::move(cycle), &error);
  if (!scripted) return false;
  random_ = std::move(scripted);
  session_.random = random_.get();
  return true;
}

host::Art* Harness::addPath(const std::vector<RealPoint>& anchors, bool closed, bool selected) {
  host::Art* art = document_->createArt(host::ArtType::Path);
  art->closed = closed;
  art->selected = selected;
  art->style = document_->newArtStyle;
  for (const RealPoint& p : anchors) art->segments.push_back(PathSegment{p, p, p, 1});
  host::Layer* layer = document_->currentLayer();
  art->layer = layer;
  layer->art.push_back(art);
  return art;
}

std::vector<host::Art*> Harness::paths() const {
  std::vector<host::Art*> found;
  std::function<void(host::Art*)> walk = [&](host::Art* art) {
    if (!art->alive) return;
    if (art->type == host::ArtType::Path) found.push_back(art);
    for (host::Art* member : art->members) walk(member);
  };
  for (host::Layer* layer : document_->layers) {
    for (host::Art* art : layer->art) walk(art);
  }
  return found;
}

}  // namespace corvane::testing
