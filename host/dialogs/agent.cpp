#include "host/dialogs/agent.h"

#include "host/dialogs/dialog.h"

#include <cstdio>

namespace corvane::host {

std::string DescribeAction(const UserAction& a) {
  char number[32];
  std::snprintf(number, sizeof number, "%g", a.number);
  std::string item = std::to_string(a.item);
  switch (a.kind) {
    case UserAction::Kind::SetValue: return "set " + item + " = " + number;
    case UserAction::Kind::SetChecked: return "check " + item + " = " + number;
    case UserAction::Kind::SelectEntry: return "select " + item + " entry " + std::to_string(a.entry);
    case UserAction::Kind::Click: return "click " + item;
    case UserAction::Kind::Move:
      return "move " + std::to_string(a.bounds.left) + "," + std::to_string(a.bounds.top) + "," +
             std::to_string(a.bounds.right) + "," + std::to_string(a.bounds.bottom);
    case UserAction::Kind::Ok: return "ok";
    case UserAction::Kind::Cancel: return "cancel";
  }
  return "?";
}

UserAction ScriptedAgent::next(Dialog& innermost) {
  if (!aborted_ && next_ < actions_.size()) return actions_[next_++];
  if (innermost.depth() > 0) return UserAction::Ok();
  bool cancel = aborted_ || finish_ == Finish::Cancel;
  return cancel ? UserAction::Cancel() : UserAction::Ok();
}

void ScriptedAgent::failed(const Dialog& dialog, const UserAction& action, const std::string& error) {
  errors_.push_back("dialog " + std::to_string(dialog.resourceId()) + ": " + DescribeAction(action) + ": " +
                    error);
  aborted_ = true;
}

}  // namespace corvane::host
