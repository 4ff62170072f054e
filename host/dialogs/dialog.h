// An open modal dialog: its items, built from a template, and its state.
#pragma once

#include "host/dialogs/item.h"
#include "host/resources/dialog_template.h"

#include <corvane/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct CvDialog {};

namespace corvane::host {

class Dialog : public CvDialog {
 public:
  // One item per control of the template, in template order. depth is the
  // number of dialogs open below this one (0 for the outermost).
  Dialog(const DialogTemplate& tmpl, int32_t resourceId, std::string name, void* userData,
         PluginRef plugin, int depth);
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  const DialogTemplate& tmpl() const { return tmpl_; }
  int32_t resourceId() const { return resourceId_; }
  const std::string& name() const { return name_; }
  void* userData() const { return userData_; }
  PluginRef plugin() const { return plugin_; }
  int depth() const { return depth_; }

  // The first item with that id, or null.
  Item* item(int32_t id) const;
  const std::vector<std::unique_ptr<Item>>& items() const { return items_; }
  // The first BS_DEFPUSHBUTTON, or null.
  Item* defaultButton() const;
  // The item, list or entry of this dialog that a handle names, or null.
  Item* resolve(const CvItem* handle) const;
  List* resolve(const CvList* handle) const;
  Entry* resolve(const CvEntry* handle) const;

  // Screen rectangle in pixels, top < bottom.
  IntRect bounds() const { return bounds_; }
  void setBounds(const IntRect& bounds) { bounds_ = bounds; }

  // The id the dialog closed with; nothing while it is open. The first close
  // wins: later ones are ignored.
  std::optional<int32_t> result() const { return result_; }
  bool closed() const { return result_.has_value(); }
  void close(int32_t id) {
    if (!result_) result_ = id;
  }

  // FocusItem and SelectItemText; at most one item of each per dialog.
  Item* focused = nullptr;
  Item* textSelected = nullptr;

 private:
  DialogTemplate tmpl_;
  int32_t resourceId_;
  std::string name_;
  void* userData_;
  PluginRef plugin_;
  int depth_;
  std::vector<std::unique_ptr<Item>> items_;
  IntRect bounds_{0, 0, 0, 0};
  std::optional<int32_t> result_;
};

// Where the host first places a dialog: template units doubled as pixels,
// the outermost dialog's top left corner at (100, 80) and each nested dialog
// 40 pixels further right and down than the one it opened from.
IntRect InitialBounds(const DialogTemplate& tmpl, int depth);

}  // namespace corvane::host
