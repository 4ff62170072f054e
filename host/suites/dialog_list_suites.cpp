// "ADM List Suite" 1 and "ADM Entry Suite" 2. Null or stale lists and
// entries are ignored: setters do nothing and getters give 0 or null.
#include "host/dialogs/suite_support.h"

namespace corvane::host {
namespace {

// Tells the observer that the item owning list changed.
void ListChanged(List& list) {
  if (DialogManager* dialogs = CurrentDialogs()) dialogs->itemChanged(list.item());
}

EntryRef InsertListEntry(ListRef ref, int32_t index) {
  return Guarded<EntryRef>(nullptr, [&]() -> EntryRef {
    List* list = Resolve(ref);
    if (!list) return nullptr;
    Entry& entry = list->insert(index);
    ListChanged(*list);
    return ToRef(&entry);
  });
}

EntryRef FindListEntry(ListRef ref, int32_t id) {
  return Guarded<EntryRef>(nullptr, [&]() -> EntryRef {
    List* list = Resolve(ref);
    Entry* entry = list ? list->find(id) : nullptr;
    return entry ? ToRef(entry) : nullptr;
  });
}

EntryRef GetSelectedEntry(ListRef ref) {
  return Guarded<EntryRef>(nullptr, [&]() -> EntryRef {
    List* list = Resolve(ref);
    Entry* entry = list ? list->selected() : nullptr;
    return entry ? ToRef(entry) : nullptr;
  });
}

int32_t NumberOfEntries(ListRef ref) {
  return Guarded<int32_t>(0, [&] {
    List* list = Resolve(ref);
    return list ? list->size() : 0;
  });
}

EntryRef IndexEntry(ListRef ref, int32_t index) {
  return Guarded<EntryRef>(nullptr, [&]() -> EntryRef {
    List* list = Resolve(ref);
    Entry* entry = list ? list->at(index) : nullptr;
    return entry ? ToRef(entry) : nullptr;
  });
}

// Applies f to the entry a handle names and tells the observer.
template <class F>
void ChangeEntry(EntryRef ref, F&& f) {
  Guarded([&] {
    if (Entry* entry = Resolve(ref)) {
      f(*entry);
      ListChanged(entry->list());
    }
  });
}

void SetEntryText(EntryRef ref, const char* text) {
  ChangeEntry(ref, [&](Entry& e) { e.text = text ? text : ""; });
}

void SetEntryId(EntryRef ref, int32_t id) {
  ChangeEntry(ref, [&](Entry& e) { e.id = id; });
}

int32_t GetEntryId(EntryRef ref) {
  return Guarded<int32_t>(0, [&] {
    Entry* entry = Resolve(ref);
    return entry ? entry->id : 0;
  });
}

void SelectEntry(EntryRef ref, int32_t select) {
  ChangeEntry(ref, [&](Entry& e) { e.list().select(e, select != 0); });
}

const ADMListSuiteV1 kListSuite = {InsertListEntry, FindListEntry, GetSelectedEntry, NumberOfEntries,
                                   IndexEntry};
const ADMEntrySuiteV2 kEntrySuite = {SetEntryText, SetEntryId, GetEntryId, SelectEntry};

}  // namespace

const ADMListSuiteV1& ListSuiteTable() { return kListSuite; }
const ADMEntrySuiteV2& EntrySuiteTable() { return kEntrySuite; }

}  // namespace corvane::host
