// The dialog toolkit: the mechanics every plug-in dialog shares, driven by
// tables that the plug-in declares as data.
//
// A plug-in describes each dialog with a DialogSpec: its fields (numeric
// edit fields, sliders, check boxes, lists) and where each one is stored in
// the parameter block, its slider/edit pairs, its buttons (sub-dialogs,
// Reset, custom actions), where the block keeps the preview flags and the
// remembered rectangle, and the work routine the preview runs. The toolkit
// supplies one set of procedures for all of them: the set-up procedure, the
// change procedures of both generations, the OK procedure, sub-dialog
// buttons, Reset, and the preview cycle with finalRun and previewCurrent.
//
// Plug-ins with unusual pages (items whose meaning changes with a list
// choice) use the building blocks at the end of this header in procedures of
// their own.
#pragma once

#include "framework/parameters.h"
#include "framework/plugin.h"

// Field kinds.
enum : int32_t {
  kRealField = 1,    // real edit field: a 32-bit real in the block
  kIntField = 2,     // integer edit field: a 32-bit integer in the block
  kIntSlider = 3,    // slider: a 32-bit integer in the block
  kCheckBox = 4,     // check box: a 32-bit flag in the block
  kPopupList = 5,    // drop-down list or list box: the 32-bit entry id in the block
};

enum : int32_t { kNotStored = -1 };

// FieldSpec::unitStep bits.
enum : int32_t {
  kUnitSmallStep = 1,  // SetItemSmallStep(item, 1.0)
  kUnitLargeStep = 2,  // SetItemLargeStep(item, 1.0)
};

struct FieldSpec {
  int32_t item;
  int32_t kind;
  int32_t offset;            // byte offset of the value in the block, or kNotStored
                             //   (a pair item that is not stored shows its partner's value)
  Real minimum;              // numeric fields and sliders
  Real maximum;
  int32_t digits;            // real fields: decimals shown and kept
  const char* const* entries;  // lists: entry texts, each beginning with one space;
  int32_t entryCount;          //   entry id = index
  int32_t partner;           // the other item of a slider/edit pair, or 0
  int32_t unitStep;          // kUnitSmallStep and/or kUnitLargeStep, or 0
  int32_t reacts;            // older generation: the field drives the preview
                             //   (pair items always get a procedure that keeps
                             //   the partner equal)
};

// Ways of storing values.
enum : int32_t {
  // One change procedure serves every value item: each change stores every
  // item into the block, runs the preview when it is on and stores the
  // dialog's rectangle. OK only stores the rectangle.
  kStoreOnChange = 0,
  // The OK procedure reads every field; fields that drive the preview store
  // everything and preview on a user change while the preview is on.
  kStoreOnOk = 1,
};

struct DialogSpec;

// Byte offsets of the run state a plug-in keeps in its block (kNotStored
// when it keeps none).
struct BlockLayout {
  int32_t finalRun;
  int32_t previewOn;
  int32_t previewCurrent;
  int32_t pluginRef;
  int32_t bounds;        // four 32-bit integers
  int32_t boundsValid;   // 32-bit flag
};

struct ButtonSpec {
  int32_t item;
  // Opens this sub-dialog (same block, its own set-up) when set.
  const DialogSpec* subDialog;
  // Otherwise runs this action after DefaultNotify. In a kStoreOnChange
  // dialog the block always holds what the dialog shows, so the toolkit then
  // shows the block's values (ShowAllFields: a Reset action only writes the
  // defaults into the block); a kStoreOnOk action shows what it changes
  // itself. Finally the toolkit sends "ADM User Changed Notifier" to every
  // item of `renotify`.
  void (*action)(DialogRef dialog, void* block);
  const int32_t* renotify;
  int32_t renotifyCount;
};

struct DialogSpec {
  const char* name;
  int32_t resourceId;
  int32_t storing;            // kStoreOnChange or kStoreOnOk
  const FieldSpec* fields;
  int32_t fieldCount;
  const ButtonSpec* buttons;
  int32_t buttonCount;
  // The block layout; a sub-dialog names the rectangle of its own and the
  // run state of its main dialog.
  BlockLayout layout;
  int32_t previewItem;        // the preview check box (stored at layout.previewOn), or 0
  // The work routine the preview runs (with finalRun cleared), or null.
  HostError (*runPreview)(void* block);
  // Called after the values were stored and before any preview: relabel or
  // enable items for the choices made. Optional.
  void (*afterStore)(DialogRef dialog, void* block);
  // The first edit field: focused and its text selected at set-up.
  int32_t focusItem;
  // Items sent "ADM User Changed Notifier" at the end of set-up: the lists
  // among them before the focus item is focused (so their procedures set up
  // labels and availability), the others after it (so the preview is drawn
  // as the dialog opens).
  const int32_t* notifyOnOpen;
  int32_t notifyOnOpenCount;
  // Whether the main dialog's OK stores the rectangle (sub-dialogs store it
  // on every change instead).
  int32_t remembersPlace;
};

// Runs a dialog described by spec with the parameter handle as its data;
// returns the id of the item that closed it (what RunModalDialog returns;
// -1 without opening anything when dialogs are nested too deeply).
int32_t RunSpecDialog(PluginRef plugin, const DialogSpec* spec, MemHandle parameters);

// Get Parameters (RunParameterDialog) for a main dialog described by spec:
// its name, resource and set-up procedure, and the block's previewCurrent and
// pluginRef, come from the DialogSpec; cancel is one of the kCancel... ways.
HostError RunSpecParameterDialog(HostMessage* message, void (*writeDefaults)(void* block),
                                 int32_t cancel, const DialogSpec* spec);

// The set-up procedure of the dialog being opened by RunSpecDialog or
// RunSpecParameterDialog; kBadParameterError when no spec is waiting.
HostError SpecDialogInit(DialogRef dialog);

// Stores every field of the dialog (and its preview box) into the block. A
// list without a selection leaves its value as it was.
void StoreAllFields(DialogRef dialog, const DialogSpec* spec, void* block);

// Writes the block's values into the dialog's fields (lists select the stored
// id; numeric fields keep their bounds).
void ShowAllFields(DialogRef dialog, const DialogSpec* spec, const void* block);

// ---- The preview cycle -------------------------------------------------

// Start of every work routine run. Returns 1 when the run should end at once
// with success: a final run finding an accepted preview (previewCurrent is
// then cleared). Otherwise calls UndoChanges (its error in *error) and
// returns 0.
int32_t BeginWorkRun(void* block, const BlockLayout* layout, HostError* error);

// Runs the preview after a stored change: with preview on, clears finalRun,
// sets previewCurrent, runs the work routine and clears previewCurrent again
// when the run fails (so a later Go does not take a failed preview for the
// result); with preview off, or without a work routine, clears
// previewCurrent. The run's error is not passed on: a preview that fails
// leaves its remains to the next UndoChanges.
void PreviewAfterChange(void* block, const DialogSpec* spec);

// ---- Building blocks ---------------------------------------------------

// Numeric field set-up in the conventional order: precision kind, bounds,
// value, decimals.
void SetUpRealField(ItemRef item, Real minimum, Real maximum, Real value, int32_t digits);
void SetUpIntField(ItemRef item, int32_t minimum, int32_t maximum, int32_t value);

// Fills a list with entries (id = index) and selects the entry with id
// `selected` (none when no entry has that id, e.g. -1).
void FillList(ItemRef item, const char* const* entries, int32_t count, int32_t selected);
// Selects the entry with that id; nothing when there is none.
void SelectListId(ItemRef item, int32_t id);
// The id of the selected entry, or -1 when none is selected.
int32_t SelectedListId(ItemRef item);

// Copies the value of a slider or edit field to its partner, as a real
// (CopyIntToPartner: as an integer, for integer pairs).
void CopyToPartner(ItemRef from, ItemRef to);
void CopyIntToPartner(ItemRef from, ItemRef to);

// The rectangle is stored, and restored when its flag is set, only when the
// layout has both a rectangle and a flag.
void StoreDialogBounds(DialogRef dialog, void* block, const BlockLayout* layout);
void RestoreDialogBounds(DialogRef dialog, const void* block, const BlockLayout* layout);

// Typed access to a block field by byte offset.
int32_t* BlockInt(void* block, int32_t offset);
Real* BlockReal(void* block, int32_t offset);
