#include "host/dialogs/list.h"

namespace corvane::host {

Entry& List::insert(int32_t index) {
  auto entry = std::make_unique<Entry>(*this);
  Entry& out = *entry;
  if (index < 0 || index >= size())
    entries_.push_back(std::move(entry));
  else
    entries_.insert(entries_.begin() + index, std::move(entry));
  return out;
}

Entry* List::at(int32_t index) const {
  if (index < 0 || index >= size()) return nullptr;
  return entries_[static_cast<size_t>(index)].get();
}

Entry* List::find(int32_t id) const {
  for (const auto& e : entries_)
    if (e->id == id) return e.get();
  return nullptr;
}

Entry* List::selected() const {
  for (const auto& e : entries_)
    if (e->selected) return e.get();
  return nullptr;
}

void List::select(Entry& entry, bool on) {
  if (on && singleChoice_)
    for (const auto& e : entries_) e->selected = false;
  entry.selected = on;
}

Entry* List::resolve(const CvEntry* handle) const {
  for (const auto& e : entries_)
    if (static_cast<const CvEntry*>(e.get()) == handle) return e.get();
  return nullptr;
}

}  // namespace corvane::host
