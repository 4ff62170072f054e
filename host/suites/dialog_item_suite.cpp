// "ADM Item Suite" 4. Numeric calls act on edit fields, sliders and scroll
// bars, boolean calls on check boxes and radio buttons; on other items
// setters do nothing and getters give 0.
#include "host/dialogs/suite_support.h"

namespace corvane::host {
namespace {

bool Numeric(const Item& item) { return IsNumeric(item.kind()); }
bool Checkable(const Item& item) {
  return item.kind() == ItemKind::CheckBox || item.kind() == ItemKind::Radio;
}

void SetNotifyProc(ItemRef ref, ItemNotifyProc proc) {
  QueryItem<int>(ref, [&](Item& i) {
    i.notifyProc = proc;
    return 0;
  });
}

void DefaultNotify(ItemRef ref, NotifierRef notifier) {
  Guarded([&] {
    if (Item* item = Resolve(ref)) CurrentDialogs()->defaultNotify(*item, Resolve(notifier));
  });
}

void SendNotify(ItemRef ref, const char* type) {
  Guarded([&] {
    if (Item* item = Resolve(ref)) CurrentDialogs()->notify(*item, type);
  });
}

DialogRef GetItemDialog(ItemRef ref) {
  return QueryItem<DialogRef>(ref, [](Item& i) { return ToRef(&i.dialog()); });
}

int32_t GetItemId(ItemRef ref) {
  return QueryItem<int32_t>(ref, [](Item& i) { return i.id(); });
}

ListRef GetItemList(ItemRef ref) {
  return QueryItem<ListRef>(ref, [](Item& i) { return i.list() ? ToRef(i.list()) : nullptr; });
}

void SetItemEnabled(ItemRef ref, int32_t enabled) {
  ChangeItem(ref, [&](Item& i) { i.enabled = enabled != 0; });
}

int32_t IsItemEnabled(ItemRef ref) {
  return QueryItem<int32_t>(ref, [](Item& i) { return i.enabled ? 1 : 0; });
}

void FocusItem(ItemRef ref, int32_t focus) {
  ChangeItem(ref, [&](Item& i) {
    if (focus)
      i.dialog().focused = &i;
    else if (i.dialog().focused == &i)
      i.dialog().focused = nullptr;
  });
}

void SelectItemText(ItemRef ref) {
  ChangeItem(ref, [](Item& i) { i.dialog().textSelected = &i; });
}

void SetItemText(ItemRef ref, const char* text) {
  ChangeItem(ref, [&](Item& i) { i.setText(text ? text : ""); });
}

void GetItemText(ItemRef ref, char* buffer, int32_t size) {
  if (!buffer || size < 1) return;
  buffer[0] = '\0';
  QueryItem<int>(ref, [&](Item& i) {
    CopyCut(i.text(), buffer, size);
    return 0;
  });
}

void SetItemPrecisionA(ItemRef ref, int32_t units) {
  ChangeItem(ref, [&](Item& i) { i.units = units; });
}

void SetItemPrecision(ItemRef ref, int32_t digits) {
  ChangeItem(ref, [&](Item& i) {
    if (Numeric(i)) i.number().setPrecision(digits);
  });
}

void SetBooleanValue(ItemRef ref, int32_t value) {
  ChangeItem(ref, [&](Item& i) {
    if (Checkable(i)) i.checked = value != 0;
  });
}

int32_t GetBooleanValue(ItemRef ref) {
  return QueryItem<int32_t>(ref, [](Item& i) { return Checkable(i) && i.checked ? 1 : 0; });
}

void SetIntValue(ItemRef ref, int32_t value) {
  ChangeItem(ref, [&](Item& i) {
    if (Numeric(i)) i.number().setInt(value);
  });
}

int32_t GetIntValue(ItemRef ref) {
  return QueryItem<int32_t>(ref, [](Item& i) { return Numeric(i) ? i.number().asInt() : 0; });
}

void SetFloatValue(ItemRef ref, Real value) {
  ChangeItem(ref, [&](Item& i) {
    if (Numeric(i)) i.number().setReal(value);
  });
}

Real GetFloatValue(ItemRef ref) {
  return QueryItem<Real>(ref, [](Item& i) { return Numeric(i) ? i.number().asReal() : 0.0f; });
}

void SetMinIntValue(ItemRef ref, int32_t value) {
  ChangeItem(ref, [&](Item& i) {
    if (Numeric(i)) i.number().setMinInt(value);
  });
}

void SetMaxIntValue(ItemRef ref, int32_t value) {
  ChangeItem(ref, [&](Item& i) {
    if (Numeric(i)) i.number().setMaxInt(value);
  });
}

void SetMinFloatValue(ItemRef ref, Real value) {
  ChangeItem(ref, [&](Item& i) {
    if (Numeric(i)) i.number().setMinReal(value);
  });
}

void SetMaxFloatValue(ItemRef ref, Real value) {
  ChangeItem(ref, [&](Item& i) {
    if (Numeric(i)) i.number().setMaxReal(value);
  });
}

void SetItemSmallStep(ItemRef ref, Real step) {
  ChangeItem(ref, [&](Item& i) { i.smallStep = step; });
}

void SetItemLargeStep(ItemRef ref, Real step) {
  ChangeItem(ref, [&](Item& i) { i.largeStep = step; });
}

const ADMItemSuiteV4 kItemSuite = {
    SetNotifyProc,     DefaultNotify,    SendNotify,       GetItemDialog,    GetItemId,
    GetItemList,       SetItemEnabled,   IsItemEnabled,    FocusItem,        SelectItemText,
    SetItemText,       GetItemText,      SetItemPrecisionA, SetItemPrecision, SetBooleanValue,
    GetBooleanValue,   SetIntValue,      GetIntValue,      SetFloatValue,    GetFloatValue,
    SetMinIntValue,    SetMaxIntValue,   SetMinFloatValue, SetMaxFloatValue, SetItemSmallStep,
    SetItemLargeStep,
};

}  // namespace

const ADMItemSuiteV4& ItemSuiteTable() { return kItemSuite; }

}  // namespace corvane::host
