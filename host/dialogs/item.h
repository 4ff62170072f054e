// One item of an open dialog, built from one control of its template.
#pragma once

#include "host/dialogs/list.h"
#include "host/dialogs/number.h"
#include "host/resources/dialog_template.h"

#include <corvane/dialogs.h>

#include <memory>
#include <string>

struct CvItem {};

namespace corvane::host {

class Dialog;

enum class ItemKind {
  PushButton,  // BS_PUSHBUTTON, BS_DEFPUSHBUTTON
  CheckBox,    // BS_CHECKBOX, BS_AUTOCHECKBOX, the three-state kinds
  Radio,       // BS_RADIOBUTTON, BS_AUTORADIOBUTTON; independent of each other
  GroupBox,    // BS_GROUPBOX
  StaticText,  // SS_LEFT, SS_CENTER, SS_RIGHT, SS_SIMPLE, SS_LEFTNOWORDWRAP
  Frame,       // the other static kinds: rectangles, frames, etched lines, pictures
  Edit,        // a numeric field
  Slider,      // trackbar
  ScrollBar,
  DropDown,    // ComboBox
  ListBox,
  Other,       // unknown classes and owner-drawn buttons: shown, never acted on
};

// The kind of item a template control becomes.
ItemKind KindOf(const DialogControl& control);
// "button", "checkbox", "edit-real", ... as the describer prints it; numeric
// items name their number kind ("edit-int", "edit-real", "edit" while
// undecided).
const char* KindName(ItemKind kind, NumberKind number = NumberKind::Undecided);
bool IsNumeric(ItemKind kind);
bool HasList(ItemKind kind);

class Item : public CvItem {
 public:
  Item(Dialog& dialog, const DialogControl& control);
  Item(const Item&) = delete;
  Item& operator=(const Item&) = delete;

  Dialog& dialog() const { return dialog_; }
  const DialogControl& control() const { return control_; }
  int32_t id() const { return control_.id; }
  ItemKind kind() const { return kind_; }
  bool isDefaultButton() const;

  // The label or, for a numeric item with a number kind, the value as shown.
  std::string text() const;
  // Relabels the item. On an edit field, text that is a number is entered
  // as the value (held as typed); other text is kept as the field's text.
  void setText(const std::string& text);

  NumberValue& number() { return number_; }
  const NumberValue& number() const { return number_; }
  // The list of a drop-down list or list box; null for other items.
  List* list() const { return list_.get(); }

  bool enabled = true;
  bool checked = false;  // check boxes and radio buttons
  int32_t units = 0;     // SetItemPrecisionA: 0 = plain numbers
  double smallStep = 0;
  double largeStep = 0;
  ItemNotifyProc notifyProc = nullptr;

 private:
  Dialog& dialog_;
  DialogControl control_;
  ItemKind kind_;
  std::string text_;
  NumberValue number_;
  std::unique_ptr<List> list_;
};

}  // namespace corvane::host
