// DialogManager::apply: user actions on the innermost dialog.
//
// An action on an item moves the focus to it, changes it as the user would
// (values held in range and precision), then notifies it with "ADM User
// Changed Notifier". A check box toggles before its procedure runs, so the
// procedure reads the new state.
#include "host/dialogs/manager.h"

#include <cmath>
#include <cstdio>

namespace corvane::host {
namespace {

std::string ItemText(const Item& item) { return "item " + std::to_string(item.id()); }

std::string FormatNumber(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

ActionResult Refuse(const Item& item, const char* what) {
  return ActionResult::Failure(ItemText(item) + " is not " + what);
}

}  // namespace

ActionResult DialogManager::apply(Dialog& dialog, const UserAction& action) {
  switch (action.kind) {
    case UserAction::Kind::Move:
      dialog.setBounds(action.bounds);
      observer_->moved(dialog);
      return ActionResult::Success();
    case UserAction::Kind::Ok: {
      Item* defaultButton = dialog.defaultButton();
      press(dialog, dialog.item(kOKItem) || !defaultButton ? kOKItem : defaultButton->id());
      return ActionResult::Success();
    }
    case UserAction::Kind::Cancel:
      if (!dialog.item(kCancelItem)) return apply(dialog, UserAction::Ok());
      press(dialog, kCancelItem);
      return ActionResult::Success();
    default:
      break;
  }
  Item* item = dialog.item(action.item);
  if (!item) return ActionResult::Failure("no item " + std::to_string(action.item));
  if (!item->enabled) return ActionResult::Failure(ItemText(*item) + " is disabled");
  return applyToItem(*item, action);
}

ActionResult DialogManager::applyToItem(Item& item, const UserAction& action) {
  switch (action.kind) {
    case UserAction::Kind::SetValue:
      if (!IsNumeric(item.kind())) return Refuse(item, "an edit field or slider");
      if (!std::isfinite(action.number)) return ActionResult::Failure("the value is not a finite number");
      item.number().enter(action.number);
      break;
    case UserAction::Kind::SetChecked:
      if (item.kind() != ItemKind::CheckBox && item.kind() != ItemKind::Radio)
        return Refuse(item, "a check box");
      if (action.number != 0 && action.number != 1)
        return ActionResult::Failure("value " + FormatNumber(action.number) + " is not 0 or 1");
      item.checked = action.number == 1;
      break;
    case UserAction::Kind::SelectEntry: {
      if (!item.list()) return Refuse(item, "a list");
      Entry* entry = item.list()->find(action.entry);
      if (!entry)
        return ActionResult::Failure("entry " + std::to_string(action.entry) + " not in list " +
                                     std::to_string(item.id()));
      item.list()->select(*entry, true);
      break;
    }
    case UserAction::Kind::Click:
      if (item.kind() == ItemKind::CheckBox)
        item.checked = !item.checked;
      else if (item.kind() == ItemKind::Radio)
        item.checked = true;
      else if (item.kind() != ItemKind::PushButton)
        return Refuse(item, "a button or check box");
      break;
    default:
      return ActionResult::Failure("not an item action");
  }
  item.dialog().focused = &item;
  observer_->itemChanged(item);
  notify(item, kUserChangedNotifier);
  return ActionResult::Success();
}

void DialogManager::press(Dialog& dialog, int32_t id) {
  Item* button = dialog.item(id);
  if (button && button->enabled) notify(*button, kUserChangedNotifier);
  dialog.close(id);
}

}  // namespace corvane::host
