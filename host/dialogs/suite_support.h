// Shared plumbing of the dialog suites: handles to objects and back, and the
// guards that keep every failure inside the host. Suite functions find the
// dialog manager through the current session; outside a session, or for a
// null or stale handle, setters do nothing and getters give 0.
#pragma once

#include "host/dialogs/manager.h"
#include "host/session.h"

#include <corvane/dialogs.h>

#include <string>

namespace corvane::host {

inline DialogRef ToRef(Dialog* d) { return static_cast<DialogRef>(static_cast<CvDialog*>(d)); }
inline ItemRef ToRef(Item* i) { return static_cast<ItemRef>(static_cast<CvItem*>(i)); }
inline ListRef ToRef(List* l) { return static_cast<ListRef>(static_cast<CvList*>(l)); }
inline EntryRef ToRef(Entry* e) { return static_cast<EntryRef>(static_cast<CvEntry*>(e)); }

inline DialogManager* CurrentDialogs() {
  Session* session = CurrentSession();
  return session ? session->dialogs : nullptr;
}

// Resolves a handle with the current dialog manager; null when it names
// nothing alive.
template <class Ref>
auto Resolve(Ref handle) -> decltype(CurrentDialogs()->resolve(handle)) {
  DialogManager* dialogs = CurrentDialogs();
  return dialogs ? dialogs->resolve(handle) : nullptr;
}

// Runs f and swallows anything it throws: no exception may reach a plug-in.
template <class T, class F>
T Guarded(T fallback, F&& f) noexcept {
  try {
    return f();
  } catch (...) {
    return fallback;
  }
}

template <class F>
void Guarded(F&& f) noexcept {
  try {
    f();
  } catch (...) {
  }
}

// Copies text NUL-terminated into buffer, cut to size - 1 bytes (size >= 1);
// the cut moves back to a character boundary so the copy stays valid UTF-8.
void CopyCut(const std::string& text, char* buffer, int32_t size);

// Applies f to the item a handle names and tells the observer.
template <class F>
void ChangeItem(ItemRef handle, F&& f) noexcept {
  try {
    if (Item* item = Resolve(handle)) {
      f(*item);
      CurrentDialogs()->itemChanged(*item);
    }
  } catch (...) {
  }
}

// f(item) for the item a handle names, or T{} when it names none.
template <class T, class F>
T QueryItem(ItemRef handle, F&& f) noexcept {
  try {
    if (Item* item = Resolve(handle)) return f(*item);
  } catch (...) {
  }
  return T{};
}

// The tables of the individual suites.
const ADMItemSuiteV4& ItemSuiteTable();
const ADMListSuiteV1& ListSuiteTable();
const ADMEntrySuiteV2& EntrySuiteTable();

}  // namespace corvane::host
