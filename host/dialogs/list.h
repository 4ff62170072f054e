// The entries of a drop-down list or list box.
#pragma once

#include <corvane/dialogs.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The opaque handle types of the plug-in interface are the bases of the
// host's objects, so a validated handle converts back with static_cast.
struct CvList {};
struct CvEntry {};

namespace corvane::host {

class Item;
class List;

class Entry : public CvEntry {
 public:
  explicit Entry(List& list) : list_(list) {}
  Entry(const Entry&) = delete;
  Entry& operator=(const Entry&) = delete;

  List& list() const { return list_; }
  int32_t id = 0;
  std::string text;
  bool selected = false;

 private:
  List& list_;
};

class List : public CvList {
 public:
  List(Item& item, bool singleChoice) : item_(item), singleChoice_(singleChoice) {}
  List(const List&) = delete;
  List& operator=(const List&) = delete;

  Item& item() const { return item_; }
  bool singleChoice() const { return singleChoice_; }
  int32_t size() const { return static_cast<int32_t>(entries_.size()); }

  // A new entry (id 0, no text, not selected) at index; an index below 0 or
  // past the end appends. The entry lives as long as the list.
  Entry& insert(int32_t index);
  // The entry at index, or null.
  Entry* at(int32_t index) const;
  // The first entry with that id, or null.
  Entry* find(int32_t id) const;
  // The first selected entry, or null.
  Entry* selected() const;
  // Selects or deselects entry; selecting in a single-choice list deselects
  // every other entry.
  void select(Entry& entry, bool on);
  // The entry of this list that handle names, or null.
  Entry* resolve(const CvEntry* handle) const;

 private:
  Item& item_;
  bool singleChoice_;
  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace corvane::host
