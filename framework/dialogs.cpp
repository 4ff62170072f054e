#include "framework/dialogs.h"

#include <string.h>

// ---- Open dialogs ------------------------------------------------------
//
// Notify procedures receive only (item, notifier), so the shared procedures
// find the DialogSpec of an item's dialog here. Modal dialogs nest strictly: the
// dialog being opened is always the top entry, and an entry leaves the stack
// when its RunModalDialog returns.

namespace {

struct OpenDialog {
  const DialogSpec* spec;
  DialogRef dialog;  // null until the set-up procedure binds it
  PluginRef plugin;
};

enum : int32_t { kMaxOpenDialogs = 8 };
OpenDialog gOpen[kMaxOpenDialogs];
int32_t gOpenCount = 0;

bool PushDialog(const DialogSpec* spec, PluginRef plugin) {
  if (gOpenCount >= kMaxOpenDialogs) return false;
  gOpen[gOpenCount++] = OpenDialog{spec, nullptr, plugin};
  return true;
}

const OpenDialog* FindOpen(DialogRef dialog) {
  if (dialog == nullptr) return nullptr;
  for (int32_t i = gOpenCount - 1; i >= 0; --i) {
    if (gOpen[i].dialog == dialog) return &gOpen[i];
  }
  return nullptr;
}

bool Stored(int32_t offset) { return offset >= 0; }

const FieldSpec* FindField(const DialogSpec* spec, int32_t item) {
  for (int32_t i = 0; i < spec->fieldCount; ++i) {
    if (spec->fields[i].item == item) return &spec->fields[i];
  }
  return nullptr;
}

const ButtonSpec* FindButton(const DialogSpec* spec, int32_t item) {
  for (int32_t i = 0; i < spec->buttonCount; ++i) {
    if (spec->buttons[i].item == item) return &spec->buttons[i];
  }
  return nullptr;
}

bool IsIntKind(int32_t kind) { return kind == kIntField || kind == kIntSlider; }
bool IsNumericKind(int32_t kind) { return kind == kRealField || IsIntKind(kind); }

// The field whose block value an item shows: itself, or for a pair item
// that is not stored, its partner; null when neither is stored.
const FieldSpec* ValueSource(const DialogSpec* spec, const FieldSpec& field) {
  if (Stored(field.offset)) return &field;
  if (field.partner == 0) return nullptr;
  const FieldSpec* partner = FindField(spec, field.partner);
  return partner != nullptr && Stored(partner->offset) ? partner : nullptr;
}

// A stored value read by its own field's kind.
Real ReadReal(const void* block, const FieldSpec& source) {
  void* raw = const_cast<void*>(block);
  if (source.kind == kRealField) return *BlockReal(raw, source.offset);
  return static_cast<Real>(*BlockInt(raw, source.offset));
}

int32_t ReadInt(const void* block, const FieldSpec& source) {
  void* raw = const_cast<void*>(block);
  if (source.kind != kRealField) return *BlockInt(raw, source.offset);
  Real value = *BlockReal(raw, source.offset);
  return static_cast<int32_t>(value < 0 ? value - 0.5f : value + 0.5f);
}

bool PreviewIsField(const DialogSpec* spec) {
  return spec->previewItem != 0 && FindField(spec, spec->previewItem) != nullptr;
}

ItemRef ItemOf(DialogRef dialog, int32_t id) { return sDialog->GetItem(dialog, id); }

void ClearFlag(void* block, int32_t offset) {
  if (Stored(offset)) *BlockInt(block, offset) = 0;
}

bool FlagSet(const void* block, int32_t offset) {
  return Stored(offset) && *BlockInt(const_cast<void*>(block), offset) != 0;
}

// ---- Showing and reading one field -------------------------------------

void ShowField(DialogRef dialog, const DialogSpec* spec, const FieldSpec& field,
               const void* block) {
  const FieldSpec* source = ValueSource(spec, field);
  if (source == nullptr) return;
  ItemRef item = ItemOf(dialog, field.item);
  switch (field.kind) {
    case kRealField: sItem->SetFloatValue(item, ReadReal(block, *source)); break;
    case kIntField:
    case kIntSlider: sItem->SetIntValue(item, ReadInt(block, *source)); break;
    case kCheckBox: sItem->SetBooleanValue(item, ReadInt(block, *source)); break;
    case kPopupList: SelectListId(item, ReadInt(block, *source)); break;
    default: break;
  }
}

void StoreField(DialogRef dialog, const FieldSpec& field, void* block) {
  if (!Stored(field.offset)) return;
  ItemRef item = ItemOf(dialog, field.item);
  switch (field.kind) {
    case kRealField: *BlockReal(block, field.offset) = sItem->GetFloatValue(item); break;
    case kIntField:
    case kIntSlider: *BlockInt(block, field.offset) = sItem->GetIntValue(item); break;
    case kCheckBox: *BlockInt(block, field.offset) = sItem->GetBooleanValue(item); break;
    case kPopupList: {
      int32_t id = SelectedListId(item);
      if (id >= 0) *BlockInt(block, field.offset) = id;
      break;
    }
    default: break;
  }
}

// Numeric fields in the conventional order, lists filled and selected,
// check boxes set.
void SetUpField(DialogRef dialog, const DialogSpec* spec, const FieldSpec& field,
                const void* block) {
  ItemRef item = ItemOf(dialog, field.item);
  const FieldSpec* source = ValueSource(spec, field);
  if (field.kind == kRealField) {
    SetUpRealField(item, field.minimum, field.maximum,
                   source ? ReadReal(block, *source) : field.minimum, field.digits);
  } else if (IsIntKind(field.kind)) {
    const int32_t minimum = static_cast<int32_t>(field.minimum);
    SetUpIntField(item, minimum, static_cast<int32_t>(field.maximum),
                  source ? ReadInt(block, *source) : minimum);
  } else if (field.kind == kPopupList) {
    FillList(item, field.entries, field.entryCount, source ? ReadInt(block, *source) : -1);
  } else if (field.kind == kCheckBox) {
    sItem->SetBooleanValue(item, source ? ReadInt(block, *source) : 0);
  }
  if (field.unitStep & kUnitSmallStep) sItem->SetItemSmallStep(item, 1.0f);
  if (field.unitStep & kUnitLargeStep) sItem->SetItemLargeStep(item, 1.0f);
}

void CopyPair(DialogRef dialog, const DialogSpec* spec, ItemRef item) {
  const FieldSpec* field = FindField(spec, sItem->GetItemId(item));
  if (field == nullptr || field->partner == 0) return;
  const FieldSpec* partner = FindField(spec, field->partner);
  ItemRef other = ItemOf(dialog, field->partner);
  if (IsIntKind(field->kind) || (partner != nullptr && IsIntKind(partner->kind))) {
    CopyIntToPartner(item, other);
  } else {
    CopyToPartner(item, other);
  }
}

// ---- Procedures --------------------------------------------------------

struct Context {
  DialogRef dialog;
  const DialogSpec* spec;
  void* block;
  const OpenDialog* open;
};

bool ContextOf(ItemRef item, Context* context) {
  context->dialog = sItem->GetItemDialog(item);
  context->open = FindOpen(context->dialog);
  context->spec = context->open ? context->open->spec : nullptr;
  context->block = BlockOf<void>(static_cast<MemHandle>(sDialog->GetDialogUserData(context->dialog)));
  return context->spec != nullptr && context->block != nullptr;
}

void StoreAndRelabel(const Context& c) {
  StoreAllFields(c.dialog, c.spec, c.block);
  if (c.spec->afterStore) c.spec->afterStore(c.dialog, c.block);
}

// Newer generation: one procedure for every value item.
void ValueChanged(ItemRef item, NotifierRef notifier) {
  Context c;
  if (!ContextOf(item, &c)) {
    sItem->DefaultNotify(item, notifier);
    return;
  }
  ClearFlag(c.block, c.spec->layout.finalRun);
  sItem->DefaultNotify(item, notifier);
  CopyPair(c.dialog, c.spec, item);
  StoreAndRelabel(c);
  PreviewAfterChange(c.block, c.spec);
  StoreDialogBounds(c.dialog, c.block, &c.spec->layout);
}

// Older generation: values reach the block on OK, or at once when the
// preview is on and the field drives it.
void FieldChanged(ItemRef item, NotifierRef notifier) {
  sItem->DefaultNotify(item, notifier);
  Context c;
  if (!ContextOf(item, &c)) return;
  ClearFlag(c.block, c.spec->layout.finalRun);
  if (!sNotifier->NotifierIs(notifier, kUserChangedNotifier)) return;
  CopyPair(c.dialog, c.spec, item);
  int32_t id = sItem->GetItemId(item);
  const FieldSpec* field = FindField(c.spec, id);
  bool reacts = id == c.spec->previewItem || (field != nullptr && field->reacts);
  if (!reacts) return;
  if (c.spec->previewItem != 0 && Stored(c.spec->layout.previewOn)) {
    *BlockInt(c.block, c.spec->layout.previewOn) =
        sItem->GetBooleanValue(ItemOf(c.dialog, c.spec->previewItem));
  }
  if (FlagSet(c.block, c.spec->layout.previewOn)) {
    StoreAndRelabel(c);
    StoreDialogBounds(c.dialog, c.block, &c.spec->layout);
  }
  PreviewAfterChange(c.block, c.spec);
}

void OkPressed(ItemRef item, NotifierRef notifier) {
  sItem->DefaultNotify(item, notifier);
  Context c;
  if (!ContextOf(item, &c)) return;
  if (c.spec->storing == kStoreOnOk) StoreAndRelabel(c);
  if (c.spec->remembersPlace) StoreDialogBounds(c.dialog, c.block, &c.spec->layout);
}

PluginRef PluginOf(const Context& c) {
  if (Stored(c.spec->layout.pluginRef)) {
    return *reinterpret_cast<PluginRef*>(static_cast<char*>(c.block) + c.spec->layout.pluginRef);
  }
  return c.open->plugin;
}

void ButtonPressed(ItemRef item, NotifierRef notifier) {
  sItem->DefaultNotify(item, notifier);
  Context c;
  if (!ContextOf(item, &c)) return;
  const ButtonSpec* button = FindButton(c.spec, sItem->GetItemId(item));
  if (button == nullptr) return;
  if (button->subDialog != nullptr) {
    RunSpecDialog(PluginOf(c), button->subDialog,
                  static_cast<MemHandle>(sDialog->GetDialogUserData(c.dialog)));
    return;
  }
  if (button->action == nullptr) return;
  button->action(c.dialog, c.block);
  if (c.spec->storing == kStoreOnChange) ShowAllFields(c.dialog, c.spec, c.block);
  for (int32_t i = 0; i < button->renotifyCount; ++i) {
    sItem->SendNotify(ItemOf(c.dialog, button->renotify[i]), kUserChangedNotifier);
  }
}

ItemNotifyProc FieldProc(const DialogSpec* spec, const FieldSpec& field) {
  if (spec->storing == kStoreOnChange) return ValueChanged;
  if (field.reacts || field.partner != 0) return FieldChanged;
  return nullptr;
}

void SetUpFieldsOfKinds(DialogRef dialog, const DialogSpec* spec, const void* block,
                        bool (*wanted)(int32_t kind)) {
  for (int32_t i = 0; i < spec->fieldCount; ++i) {
    const FieldSpec& field = spec->fields[i];
    if (!wanted(field.kind)) continue;
    SetUpField(dialog, spec, field, block);
    ItemNotifyProc proc = FieldProc(spec, field);
    if (proc != nullptr) sItem->SetNotifyProc(ItemOf(dialog, field.item), proc);
  }
}

void SetUpButtons(DialogRef dialog, const DialogSpec* spec) {
  if (spec->previewItem != 0) {
    sItem->SetNotifyProc(ItemOf(dialog, spec->previewItem),
                         spec->storing == kStoreOnChange ? ValueChanged : FieldChanged);
  }
  for (int32_t i = 0; i < spec->buttonCount; ++i) {
    sItem->SetNotifyProc(ItemOf(dialog, spec->buttons[i].item), ButtonPressed);
  }
  if (spec->storing == kStoreOnOk || spec->remembersPlace) {
    sItem->SetNotifyProc(ItemOf(dialog, kOKItem), OkPressed);
  }
}

void NotifyOnOpen(DialogRef dialog, const DialogSpec* spec, bool lists) {
  for (int32_t i = 0; i < spec->notifyOnOpenCount; ++i) {
    int32_t id = spec->notifyOnOpen[i];
    const FieldSpec* field = FindField(spec, id);
    bool isList = field != nullptr && field->kind == kPopupList;
    if (isList == lists) sItem->SendNotify(ItemOf(dialog, id), kUserChangedNotifier);
  }
}

}  // namespace

// ---- Dialogs described by specs ----------------------------------------

int32_t RunSpecDialog(PluginRef plugin, const DialogSpec* spec, MemHandle parameters) {
  const int32_t depth = gOpenCount;
  if (!PushDialog(spec, plugin)) return -1;
  int32_t result = sDialog->RunModalDialog(plugin, spec->name, spec->resourceId, 0,
                                           SpecDialogInit, parameters);
  gOpenCount = depth;
  return result;
}

HostError RunSpecParameterDialog(HostMessage* message, void (*writeDefaults)(void* block),
                                 int32_t cancel, const DialogSpec* spec) {
  const int32_t depth = gOpenCount;
  if (!PushDialog(spec, message->pluginRef)) return kBadParameterError;
  const ParameterDialog run = {writeDefaults,
                               spec->name,
                               spec->resourceId,
                               SpecDialogInit,
                               cancel,
                               spec->layout.previewCurrent,
                               spec->layout.pluginRef};
  HostError result = RunParameterDialog(message, &run);
  gOpenCount = depth;
  return result;
}

HostError SpecDialogInit(DialogRef dialog) {
  if (gOpenCount == 0 || gOpen[gOpenCount - 1].dialog != nullptr) return kBadParameterError;
  OpenDialog& open = gOpen[gOpenCount - 1];
  open.dialog = dialog;
  const DialogSpec* spec = open.spec;
  const void* block = BlockOf<void>(static_cast<MemHandle>(sDialog->GetDialogUserData(dialog)));
  if (block == nullptr) return kNoParametersError;

  RestoreDialogBounds(dialog, block, &spec->layout);
  SetUpFieldsOfKinds(dialog, spec, block, IsNumericKind);
  SetUpFieldsOfKinds(dialog, spec, block, [](int32_t kind) { return kind == kPopupList; });
  SetUpFieldsOfKinds(dialog, spec, block, [](int32_t kind) { return kind == kCheckBox; });
  if (spec->previewItem != 0 && !PreviewIsField(spec) && Stored(spec->layout.previewOn)) {
    sItem->SetBooleanValue(ItemOf(dialog, spec->previewItem),
                           *BlockInt(const_cast<void*>(block), spec->layout.previewOn));
  }
  SetUpButtons(dialog, spec);
  NotifyOnOpen(dialog, spec, true);
  if (spec->focusItem != 0) {
    ItemRef focus = ItemOf(dialog, spec->focusItem);
    sItem->FocusItem(focus, 1);
    sItem->SelectItemText(focus);
  }
  NotifyOnOpen(dialog, spec, false);
  return kNoError;
}

void StoreAllFields(DialogRef dialog, const DialogSpec* spec, void* block) {
  for (int32_t i = 0; i < spec->fieldCount; ++i) StoreField(dialog, spec->fields[i], block);
  if (spec->previewItem != 0 && !PreviewIsField(spec) && Stored(spec->layout.previewOn)) {
    *BlockInt(block, spec->layout.previewOn) =
        sItem->GetBooleanValue(ItemOf(dialog, spec->previewItem));
  }
}

void ShowAllFields(DialogRef dialog, const DialogSpec* spec, const void* block) {
  for (int32_t i = 0; i < spec->fieldCount; ++i) ShowField(dialog, spec, spec->fields[i], block);
  if (spec->previewItem != 0 && !PreviewIsField(spec) && Stored(spec->layout.previewOn)) {
    sItem->SetBooleanValue(ItemOf(dialog, spec->previewItem),
                           *BlockInt(const_cast<void*>(block), spec->layout.previewOn));
  }
}

// ---- The preview cycle -------------------------------------------------

int32_t BeginWorkRun(void* block, const BlockLayout* layout, HostError* error) {
  *error = kNoError;
  if (FlagSet(block, layout->finalRun) && FlagSet(block, layout->previewCurrent)) {
    ClearFlag(block, layout->previewCurrent);
    return 1;
  }
  *error = sUndo->UndoChanges();
  return 0;
}

void PreviewAfterChange(void* block, const DialogSpec* spec) {
  const BlockLayout& layout = spec->layout;
  if (!FlagSet(block, layout.previewOn) || spec->runPreview == nullptr) {
    ClearFlag(block, layout.previewCurrent);
    return;
  }
  ClearFlag(block, layout.finalRun);
  if (Stored(layout.previewCurrent)) *BlockInt(block, layout.previewCurrent) = 1;
  if (spec->runPreview(block) != kNoError) ClearFlag(block, layout.previewCurrent);
}

// ---- Building blocks ---------------------------------------------------

void SetUpRealField(ItemRef item, Real minimum, Real maximum, Real value, int32_t digits) {
  sItem->SetItemPrecisionA(item, 0);
  sItem->SetMinFloatValue(item, minimum);
  sItem->SetMaxFloatValue(item, maximum);
  sItem->SetFloatValue(item, value);
  sItem->SetItemPrecision(item, digits);
}

void SetUpIntField(ItemRef item, int32_t minimum, int32_t maximum, int32_t value) {
  sItem->SetItemPrecisionA(item, 0);
  sItem->SetMinIntValue(item, minimum);
  sItem->SetMaxIntValue(item, maximum);
  sItem->SetIntValue(item, value);
}

void FillList(ItemRef item, const char* const* entries, int32_t count, int32_t selected) {
  ListRef list = sItem->GetItemList(item);
  if (list == nullptr) return;
  for (int32_t i = 0; i < count; ++i) {
    EntryRef entry = sList->InsertListEntry(list, i);
    sEntry->SetEntryText(entry, entries[i]);
    sEntry->SetEntryId(entry, i);
  }
  SelectListId(item, selected);
}

void SelectListId(ItemRef item, int32_t id) {
  ListRef list = sItem->GetItemList(item);
  if (list == nullptr) return;
  EntryRef entry = sList->FindListEntry(list, id);
  if (entry != nullptr) sEntry->SelectEntry(entry, 1);
}

int32_t SelectedListId(ItemRef item) {
  ListRef list = sItem->GetItemList(item);
  if (list == nullptr) return -1;
  EntryRef entry = sList->GetSelectedEntry(list);
  return entry != nullptr ? sEntry->GetEntryId(entry) : -1;
}

void CopyToPartner(ItemRef from, ItemRef to) {
  if (from == nullptr || to == nullptr) return;
  sItem->SetFloatValue(to, sItem->GetFloatValue(from));
}

void CopyIntToPartner(ItemRef from, ItemRef to) {
  if (from == nullptr || to == nullptr) return;
  sItem->SetIntValue(to, sItem->GetIntValue(from));
}

void StoreDialogBounds(DialogRef dialog, void* block, const BlockLayout* layout) {
  if (!Stored(layout->bounds) || !Stored(layout->boundsValid)) return;
  IntRect rect;
  sDialog->GetDialogBounds(dialog, &rect);
  memcpy(static_cast<char*>(block) + layout->bounds, &rect, sizeof rect);
  *BlockInt(block, layout->boundsValid) = 1;
}

void RestoreDialogBounds(DialogRef dialog, const void* block, const BlockLayout* layout) {
  if (!Stored(layout->bounds) || !FlagSet(block, layout->boundsValid)) return;
  IntRect rect;
  memcpy(&rect, static_cast<const char*>(block) + layout->bounds, sizeof rect);
  sDialog->SetDialogBounds(dialog, &rect);
}

int32_t* BlockInt(void* block, int32_t offset) {
  return reinterpret_cast<int32_t*>(static_cast<char*>(block) + offset);
}

Real* BlockReal(void* block, int32_t offset) {
  return reinterpret_cast<Real*>(static_cast<char*>(block) + offset);
}
