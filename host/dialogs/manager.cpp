#include "host/dialogs/manager.h"

#include "host/resources/plugin_resources.h"
#include "host/session.h"

namespace corvane::host {
namespace {

// Removes the innermost dialog when its run ends, however it ends.
class OpenDialog {
 public:
  OpenDialog(std::vector<std::unique_ptr<Dialog>>& stack, std::unique_ptr<Dialog> dialog)
      : stack_(stack) {
    stack_.push_back(std::move(dialog));
  }
  ~OpenDialog() { stack_.pop_back(); }
  OpenDialog(const OpenDialog&) = delete;
  OpenDialog& operator=(const OpenDialog&) = delete;
  Dialog& dialog() const { return *stack_.back(); }

 private:
  std::vector<std::unique_ptr<Dialog>>& stack_;
};

const DialogTemplate* FindTemplate(PluginRef plugin, int32_t resourceId) {
  Session* session = CurrentSession();
  if (!session) return nullptr;
  auto it = session->plugins.find(plugin);
  if (it == session->plugins.end() || !it->second) return nullptr;
  return it->second->dialog(resourceId);
}

}  // namespace

DialogManager::DialogManager(UserAgent* agent, DialogObserver* observer)
    : agent_(agent ? agent : &fallback_), observer_(observer ? observer : &silent_) {}

int32_t DialogManager::RunModalDialog(PluginRef plugin, const char* name, int32_t resourceId,
                                      int32_t /*style*/, DialogInitProc init, void* userData) {
  const DialogTemplate* tmpl = FindTemplate(plugin, resourceId);
  if (!tmpl) return -1;
  int depth = static_cast<int>(open_.size());
  OpenDialog scope(open_, std::make_unique<Dialog>(*tmpl, resourceId, name ? name : "", userData,
                                                   plugin, depth));
  Dialog& dialog = scope.dialog();
  if (init && init(static_cast<DialogRef>(static_cast<CvDialog*>(&dialog))) != kNoError) {
    observer_->closed(dialog, -1);
    return -1;
  }
  observer_->opened(dialog);
  while (!dialog.closed()) {
    UserAction action = agent_->next(dialog);
    ActionResult result = apply(dialog, action);
    if (!result) agent_->failed(dialog, action, result.error);
  }
  int32_t closedWith = *dialog.result();
  observer_->closed(dialog, closedWith);
  return closedWith;
}

Dialog* DialogManager::resolve(DialogRef handle) const {
  if (!handle) return nullptr;
  for (const auto& d : open_)
    if (static_cast<CvDialog*>(d.get()) == handle) return d.get();
  return nullptr;
}

Item* DialogManager::resolve(ItemRef handle) const {
  if (!handle) return nullptr;
  for (const auto& d : open_)
    if (Item* item = d->resolve(handle)) return item;
  return nullptr;
}

List* DialogManager::resolve(ListRef handle) const {
  if (!handle) return nullptr;
  for (const auto& d : open_)
    if (List* list = d->resolve(handle)) return list;
  return nullptr;
}

Entry* DialogManager::resolve(EntryRef handle) const {
  if (!handle) return nullptr;
  for (const auto& d : open_)
    if (Entry* entry = d->resolve(handle)) return entry;
  return nullptr;
}

const Notifier* DialogManager::resolve(NotifierRef handle) const {
  if (!handle) return nullptr;
  for (const Notifier* n : notifiers_)
    if (static_cast<const CvNotifier*>(n) == handle) return n;
  return nullptr;
}

void DialogManager::notify(Item& item, const char* type) {
  Notifier notifier;
  notifier.type = type ? type : kUserChangedNotifier;
  notifier.item = &item;
  notifiers_.push_back(&notifier);
  struct Pop {
    std::vector<const Notifier*>& v;
    ~Pop() { v.pop_back(); }
  } pop{notifiers_};
  if (item.notifyProc)
    item.notifyProc(static_cast<ItemRef>(static_cast<CvItem*>(&item)),
                    static_cast<NotifierRef>(static_cast<CvNotifier*>(&notifier)));
  else
    defaultNotify(item, &notifier);
}

void DialogManager::defaultNotify(Item& item, const Notifier* notifier) {
  if (item.kind() != ItemKind::PushButton) return;
  if (notifier && notifier->type != kUserChangedNotifier) return;
  Dialog& dialog = item.dialog();
  int32_t id = item.id();
  bool closes = id == kOKItem || id == kCancelItem || (item.isDefaultButton() && !dialog.item(kCancelItem));
  if (closes) dialog.close(id);
}

}  // namespace corvane::host
