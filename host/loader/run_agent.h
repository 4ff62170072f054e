// The agent of one host run: answers the framework's own dialogs (the error
// dialog and the About box) itself, recording what they say, and hands every
// other dialog to the agent that works the filter's dialogs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/dialogs/agent.h"

namespace corvane::host {

// What an error dialog showed.
struct ShownError {
  std::string message;
  std::string code;
};

class RunAgent final : public UserAgent {
 public:
  explicit RunAgent(UserAgent& inner) : inner_(inner) {}

  UserAction next(Dialog& innermost) override;
  void failed(const Dialog& dialog, const UserAction& action, const std::string& error) override {
    inner_.failed(dialog, action, error);
  }

  const std::vector<ShownError>& errors() const { return errors_; }
  // The texts of the About boxes shown, one string per box.
  const std::vector<std::string>& abouts() const { return abouts_; }

 private:
  UserAgent& inner_;
  std::vector<ShownError> errors_;
  std::vector<std::string> abouts_;
};

// The dialog ids and names the framework uses for its own dialogs.
inline constexpr int32_t kErrorDialogId = 16051;
inline constexpr int32_t kAboutDialogId = 16050;

// The texts of a dialog's static items, in template order, one per line.
std::string StaticTexts(const Dialog& dialog);

}  // namespace corvane::host
