#include "host/dialogs/item.h"

namespace corvane::host {
namespace {

constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kStaticTypeMask = 0x1F;
constexpr uint32_t kDisabled = 0x08000000;      // WS_DISABLED
constexpr uint32_t kDefPushButton = 0x01;       // BS_DEFPUSHBUTTON
constexpr uint32_t kListMultiple = 0x0808;      // LBS_MULTIPLESEL | LBS_EXTENDEDSEL

ItemKind ButtonKind(uint32_t style) {
  switch (style & kButtonTypeMask) {
    case 0x0: case 0x1: case 0xA: return ItemKind::PushButton;  // push, default, push box
    case 0x2: case 0x3: case 0x5: case 0x6: return ItemKind::CheckBox;
    case 0x4: case 0x9: return ItemKind::Radio;
    case 0x7: return ItemKind::GroupBox;
    default: return ItemKind::Other;  // user and owner-drawn buttons
  }
}

ItemKind StaticKind(uint32_t style) {
  switch (style & kStaticTypeMask) {
    case 0x0: case 0x1: case 0x2: case 0xB: case 0xC: return ItemKind::StaticText;
    default: return ItemKind::Frame;
  }
}

}  // namespace

ItemKind KindOf(const DialogControl& control) {
  switch (control.cls) {
    case ControlClass::Button: return ButtonKind(control.style);
    case ControlClass::Static: return StaticKind(control.style);
    case ControlClass::Edit: return ItemKind::Edit;
    case ControlClass::Trackbar: return ItemKind::Slider;
    case ControlClass::ScrollBar: return ItemKind::ScrollBar;
    case ControlClass::ComboBox: return ItemKind::DropDown;
    case ControlClass::ListBox: return ItemKind::ListBox;
    case ControlClass::Other: return ItemKind::Other;
  }
  return ItemKind::Other;
}

const char* KindName(ItemKind kind, NumberKind number) {
  switch (kind) {
    case ItemKind::PushButton: return "button";
    case ItemKind::CheckBox: return "checkbox";
    case ItemKind::Radio: return "radio";
    case ItemKind::GroupBox: return "group";
    case ItemKind::StaticText: return "static";
    case ItemKind::Frame: return "frame";
    case ItemKind::Edit:
      return number == NumberKind::Integer ? "edit-int" : number == NumberKind::Real ? "edit-real" : "edit";
    case ItemKind::Slider: return number == NumberKind::Real ? "slider-real" : "slider";
    case ItemKind::ScrollBar: return "scrollbar";
    case ItemKind::DropDown: return "list";
    case ItemKind::ListBox: return "listbox";
    case ItemKind::Other: return "other";
  }
  return "other";
}

bool IsNumeric(ItemKind kind) {
  return kind == ItemKind::Edit || kind == ItemKind::Slider || kind == ItemKind::ScrollBar;
}

bool HasList(ItemKind kind) { return kind == ItemKind::DropDown || kind == ItemKind::ListBox; }

Item::Item(Dialog& dialog, const DialogControl& control)
    : enabled((control.style & kDisabled) == 0),
      dialog_(dialog),
      control_(control),
      kind_(KindOf(control)),
      text_(control.text),
      number_(kind_ == ItemKind::Edit ? NumberKind::Undecided : NumberKind::Integer) {
  if (HasList(kind_)) {
    bool single = kind_ == ItemKind::DropDown || (control.style & kListMultiple) == 0;
    list_ = std::make_unique<List>(*this, single);
  }
}

bool Item::isDefaultButton() const {
  return kind_ == ItemKind::PushButton && (control_.style & kButtonTypeMask) == kDefPushButton;
}

std::string Item::text() const {
  if (IsNumeric(kind_) && number_.kind() != NumberKind::Undecided) return number_.text();
  return text_;
}

void Item::setText(const std::string& text) {
  if (kind_ == ItemKind::Edit) {
    if (std::optional<double> v = NumberValue::Parse(text)) {
      number_.enter(*v);
      return;
    }
  }
  text_ = text;
}

}  // namespace corvane::host
