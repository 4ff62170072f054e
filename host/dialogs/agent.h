// The source of user input for modal dialogs, and what watches them.
//
// The dialog manager asks a UserAgent for one action at a time for the
// innermost open dialog and applies it as a user would cause it: the item
// changes, then its notify procedure runs with "ADM User Changed Notifier".
// A scripted agent drives dialogs headlessly; an interactive one can stand
// behind a remote user interface.
#pragma once

#include <corvane/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::host {

class Dialog;
class Item;

struct UserAction {
  enum class Kind {
    SetValue,     // type a number into an edit field, or drag a slider
    SetChecked,   // set a check box or radio button to 0 or 1
    SelectEntry,  // choose the entry with an id in a list
    Click,        // press a push button; toggles a check box, sets a radio button
    Move,         // move or resize the dialog
    Ok,           // press item 1 (without item 1: the default button)
    Cancel,       // press item 2 (without item 2: as Ok)
  };

  Kind kind = Kind::Ok;
  int32_t item = 0;
  double number = 0;     // SetValue, SetChecked
  int32_t entry = 0;     // SelectEntry: the entry id
  IntRect bounds{0, 0, 0, 0};  // Move

  static UserAction SetValue(int32_t item, double value) {
    return {Kind::SetValue, item, value, 0, {}};
  }
  static UserAction SetChecked(int32_t item, int32_t on) {
    return {Kind::SetChecked, item, double(on), 0, {}};
  }
  static UserAction SelectEntry(int32_t item, int32_t entry) {
    return {Kind::SelectEntry, item, 0, entry, {}};
  }
  static UserAction Click(int32_t item) {
    return {Kind::Click, item, 0, 0, {}};
  }
  static UserAction Move(const IntRect& bounds) {
    return {Kind::Move, 0, 0, 0, bounds};
  }
  static UserAction Ok() {
    return {Kind::Ok, 0, 0, 0, {}};
  }
  static UserAction Cancel() {
    return {Kind::Cancel, 0, 0, 0, {}};
  }
};

// "set 7 = 12.5", "check 3 = 1", "select 4 entry 2", "click 19",
// "move 10,20,300,400", "ok", "cancel".
std::string DescribeAction(const UserAction& action);

// Outcome of applying an action: empty error on success.
struct ActionResult {
  std::string error;  // "item 7 is disabled", "no item 99", ...
  explicit operator bool() const { return error.empty(); }
  static ActionResult Success() { return {}; }
  static ActionResult Failure(std::string why) { return {std::move(why)}; }
};

class UserAgent {
 public:
  virtual ~UserAgent() = default;
  // The next action for innermost, the innermost open dialog. Called again
  // and again until that dialog closes, so an agent must eventually give Ok
  // or Cancel (both always close the dialog).
  virtual UserAction next(Dialog& innermost) = 0;
  // The last action given for dialog could not be applied.
  virtual void failed(const Dialog& dialog, const UserAction& action, const std::string& error) {
    (void)dialog, (void)action, (void)error;
  }
};

// Hooks for a user interface that mirrors the dialogs; all do nothing by
// default.
class DialogObserver {
 public:
  virtual ~DialogObserver() = default;
  // After the init procedure, when the dialog is shown.
  virtual void opened(const Dialog& dialog) { (void)dialog; }
  // The item's value, text, state or list changed (by the user or the plug-in).
  virtual void itemChanged(const Item& item) { (void)item; }
  virtual void moved(const Dialog& dialog) { (void)dialog; }
  // The document was redrawn behind the open dialogs (a preview).
  virtual void documentRedrawn() {}
  virtual void closed(const Dialog& dialog, int32_t result) { (void)dialog, (void)result; }
};

// Plays a list of actions to whichever dialog is innermost, in order. When
// the list is used up it presses Ok in every sub-dialog and, in the
// outermost dialog, Ok or Cancel as configured. The first action that fails
// is recorded and ends the script: from then on every sub-dialog gets Ok and
// the outermost dialog Cancel, so the caller can report the error and stop.
class ScriptedAgent final : public UserAgent {
 public:
  enum class Finish { Ok, Cancel };
  explicit ScriptedAgent(std::vector<UserAction> actions = {}, Finish finish = Finish::Ok)
      : actions_(std::move(actions)), finish_(finish) {}

  UserAction next(Dialog& innermost) override;
  void failed(const Dialog& dialog, const UserAction& action, const std::string& error) override;

  // "dialog 16100: check 3 = 1: item 3 is disabled", one per failure.
  const std::vector<std::string>& errors() const { return errors_; }
  // Actions given so far, and whether the script has been played to its end.
  size_t played() const { return next_; }
  bool finished() const { return next_ >= actions_.size(); }

 private:
  std::vector<UserAction> actions_;
  Finish finish_;
  size_t next_ = 0;
  bool aborted_ = false;
  std::vector<std::string> errors_;
};

}  // namespace corvane::host
