#include "host/session.h"

#include <sstream>

namespace corvane::host {

namespace {

// The host is single-threaded (see session.h); one slot is enough.
Session* gCurrent = nullptr;

}  // namespace

Session* CurrentSession() { return gCurrent; }

SessionScope::SessionScope(Session& session) : previous_(gCurrent) { gCurrent = &session; }

SessionScope::~SessionScope() { gCurrent = previous_; }

float SplitMixRandom::next() {
  state_ += 0x9E3779B97F4A7C15ull;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<float>(z >> 40) / 16777216.0f;
}

std::unique_ptr<ScriptedRandom> ScriptedRandom::Make(std::vector<float> cycle, std::string* error) {
  auto fail = [error](const std::string& why) {
    if (error) *error = why;
    return std::unique_ptr<ScriptedRandom>();
  };
  if (cycle.empty()) return fail("the cycle of random values is empty");
  for (size_t i = 0; i < cycle.size(); ++i) {
    const float v = cycle[i];
    if (!(v >= 0.0f && v < 1.0f)) {
      std::ostringstream why;
      why << "random value " << i + 1 << " of the cycle (" << v << ") is outside [0, 1)";
      return fail(why.str());
    }
  }
  if (error) error->clear();
  return std::unique_ptr<ScriptedRandom>(new ScriptedRandom(std::move(cycle)));
}

float ScriptedRandom::next() { return cycle_[drawn_++ % cycle_.size()]; }

}  // namespace corvane::host
