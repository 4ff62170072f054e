#include "host/dialogs/dialog.h"

namespace corvane::host {

Dialog::Dialog(const DialogTemplate& tmpl, int32_t resourceId, std::string name, void* userData,
               PluginRef plugin, int depth)
    : tmpl_(tmpl),
      resourceId_(resourceId),
      name_(std::move(name)),
      userData_(userData),
      plugin_(plugin),
      depth_(depth),
      bounds_(InitialBounds(tmpl, depth)) {
  items_.reserve(tmpl_.controls.size());
  for (const DialogControl& control : tmpl_.controls)
    items_.push_back(std::make_unique<Item>(*this, control));
}

Item* Dialog::item(int32_t id) const {
  for (const auto& item : items_)
    if (item->id() == id) return item.get();
  return nullptr;
}

Item* Dialog::defaultButton() const {
  for (const auto& item : items_)
    if (item->isDefaultButton()) return item.get();
  return nullptr;
}

Item* Dialog::resolve(const CvItem* handle) const {
  for (const auto& it : items_)
    if (static_cast<const CvItem*>(it.get()) == handle) return it.get();
  return nullptr;
}

List* Dialog::resolve(const CvList* list) const {
  for (const auto& it : items_)
    if (it->list() && static_cast<const CvList*>(it->list()) == list) return it->list();
  return nullptr;
}

Entry* Dialog::resolve(const CvEntry* entry) const {
  for (const auto& it : items_) {
    if (it->list())
      if (Entry* found = it->list()->resolve(entry)) return found;
  }
  return nullptr;
}

IntRect InitialBounds(const DialogTemplate& tmpl, int depth) {
  int32_t left = 100 + 40 * depth;
  int32_t top = 80 + 40 * depth;
  return IntRect{left, top, left + 2 * tmpl.place.cx, top + 2 * tmpl.place.cy};
}

}  // namespace corvane::host
