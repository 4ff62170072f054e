// The headless dialog manager: runs plug-in dialogs built from their
// resources, resolves the handles plug-ins hold, delivers notifications and
// applies the actions of a UserAgent.
//
// Dialogs nest: a notify procedure may run another modal dialog, which then
// runs to completion inside that call while the agent drives it as the
// innermost dialog; afterwards control returns to the outer dialog.
//
// Closing rules. DefaultNotify on a push button closes its dialog with the
// button's id when the id is 1 (OK) or 2 (Cancel), or when the button is
// the dialog's default button (BS_DEFPUSHBUTTON) and the dialog has no item
// 2; it does nothing visible otherwise, and nothing at all for notifiers
// other than "ADM User Changed Notifier" (a null notifier counts as one).
// The Ok and Cancel actions press their button (if it exists and is
// enabled) and, if the plug-in's procedure did not close the dialog, close
// it with that button's id, so a script always ends.
#pragma once

#include "host/dialogs/agent.h"
#include "host/dialogs/dialog.h"

#include <corvane/dialogs.h>

#include <memory>
#include <string>
#include <vector>

struct CvNotifier {};

namespace corvane::host {

// The notifier a notify procedure receives; lives for the duration of the call.
struct Notifier : CvNotifier {
  std::string type;
  Item* item = nullptr;
};

class DialogManager {
 public:
  // Without an agent, every dialog is confirmed with Ok at once.
  explicit DialogManager(UserAgent* agent = nullptr, DialogObserver* observer = nullptr);
  DialogManager(const DialogManager&) = delete;
  DialogManager& operator=(const DialogManager&) = delete;

  void setAgent(UserAgent* agent) { agent_ = agent ? agent : &fallback_; }
  void setObserver(DialogObserver* observer) { observer_ = observer ? observer : &silent_; }

  // Builds dialog resourceId of the plug-in (from CurrentSession()->plugins),
  // calls init once, lets the agent work on it until it closes and returns
  // the id of the item that closed it. Returns -1 without calling init when
  // the plug-in or the resource is unknown. When init returns an error the
  // dialog closes at once, is never shown to the agent, and the result is -1.
  // style is accepted and ignored: every dialog is modal.
  int32_t RunModalDialog(PluginRef plugin, const char* name, int32_t resourceId, int32_t style,
                         DialogInitProc init, void* userData);

  // Open dialogs, outermost first.
  const std::vector<std::unique_ptr<Dialog>>& openDialogs() const { return open_; }

  // The object a handle names, or null when it is null or names nothing
  // alive in an open dialog.
  Dialog* resolve(DialogRef handle) const;
  Item* resolve(ItemRef handle) const;
  List* resolve(ListRef handle) const;
  Entry* resolve(EntryRef handle) const;
  const Notifier* resolve(NotifierRef handle) const;

  // Runs the item's notify procedure, or DefaultNotify when it has none,
  // with a notifier of that type (null: "ADM User Changed Notifier").
  void notify(Item& item, const char* type);
  // The item's own behaviour (see the closing rules above).
  void defaultNotify(Item& item, const Notifier* notifier);

  // Applies a user action to dialog (the innermost one) and notifies the
  // item. Fails without changing anything when the item does not exist, is
  // disabled or cannot take that action, or the entry is not in the list.
  ActionResult apply(Dialog& dialog, const UserAction& action);

  // Tells the observer; the suites call these after changing an item and
  // after redrawing the document.
  void itemChanged(const Item& item) { observer_->itemChanged(item); }
  void documentRedrawn() { observer_->documentRedrawn(); }

 private:
  ActionResult applyToItem(Item& item, const UserAction& action);
  // Presses the button id (if present and enabled), then closes the dialog
  // with id if it is still open.
  void press(Dialog& dialog, int32_t id);

  ScriptedAgent fallback_;
  DialogObserver silent_;
  UserAgent* agent_;
  DialogObserver* observer_;
  std::vector<std::unique_ptr<Dialog>> open_;
  std::vector<const Notifier*> notifiers_;  // notifiers of the calls in progress
};

}  // namespace corvane::host
