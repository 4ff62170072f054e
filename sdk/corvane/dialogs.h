/* The dialog manager: dialogs built from the plug-in's own resources, their
 * items, lists and entries, and notifications. */
#ifndef CORVANE_SDK_DIALOGS_H
#define CORVANE_SDK_DIALOGS_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct CvDialog* DialogRef;
typedef struct CvItem* ItemRef;
typedef struct CvList* ListRef;
typedef struct CvEntry* EntryRef;
typedef struct CvNotifier* NotifierRef;

/* Notifier types. */
#define kUserChangedNotifier "ADM User Changed Notifier"
#define kIntermediateChangedNotifier "ADM Intermediate Changed Notifier"
#define kBoundsChangedNotifier "ADM Bounds Changed Notifier"

/* Conventional item ids. */
#define kOKItem 1
#define kCancelItem 2

/* Called once after the dialog is built and before it is shown. */
typedef HostError (*DialogInitProc)(DialogRef dialog);
/* Called when an item changes or is pressed. */
typedef void (*ItemNotifyProc)(ItemRef item, NotifierRef notifier);

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 2

typedef struct ADMBasicSuiteV2 {
  /* Entry listId + index of the plug-in's string table, NUL-terminated and
   * cut to size - 1 bytes. An absent entry gives an empty string and
   * kNoResourceError. */
  HostError (*GetIndexedString)(PluginRef plugin, int32_t listId, int32_t index,
                                char* buffer, int32_t size);
} ADMBasicSuiteV2;

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 3

typedef struct ADMDialogSuiteV3 {
  /* Builds the dialog from the plug-in's dialog resource resourceId, calls
   * init once, lets the user work with it and returns the id of the item
   * that closed it (kOKItem, kCancelItem, ...). A missing resource gives -1
   * and init is never called. userData is handed back by GetDialogUserData. */
  int32_t (*RunModalDialog)(PluginRef plugin, const char* name, int32_t resourceId,
                            int32_t style, DialogInitProc init, void* userData);
  void* (*GetDialogUserData)(DialogRef dialog);
  /* Null when the dialog has no item of that id. */
  ItemRef (*GetItem)(DialogRef dialog, int32_t itemId);
  void (*GetDialogBounds)(DialogRef dialog, IntRect* bounds);
  void (*SetDialogBounds)(DialogRef dialog, const IntRect* bounds);
} ADMDialogSuiteV3;

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 4

/* Every call accepts a null item: setters do nothing and getters give 0.
 * Numeric items hold their value within the bounds set on them and round it
 * to their precision; a new numeric item has no bounds until they are set. */
typedef struct ADMItemSuiteV4 {
  void (*SetNotifyProc)(ItemRef item, ItemNotifyProc proc);
  /* The item's own behaviour: a push button with id kOKItem or kCancelItem
   * closes its dialog with that id. */
  void (*DefaultNotify)(ItemRef item, NotifierRef notifier);
  /* Runs the item's notify procedure (DefaultNotify when it has none) with a
   * notifier of the given type; null means kUserChangedNotifier. */
  void (*SendNotify)(ItemRef item, const char* type);
  DialogRef (*GetItemDialog)(ItemRef item);
  int32_t (*GetItemId)(ItemRef item);
  /* The list of a list box or drop-down list; null for other items. */
  ListRef (*GetItemList)(ItemRef item);
  void (*SetItemEnabled)(ItemRef item, int32_t enabled);
  int32_t (*IsItemEnabled)(ItemRef item);
  void (*FocusItem)(ItemRef item, int32_t focus);
  void (*SelectItemText)(ItemRef item);
  void (*SetItemText)(ItemRef item, const char* text);
  /* Copies the item's text (its label, or its value as shown) into buffer. */
  void (*GetItemText)(ItemRef item, char* buffer, int32_t size);
  /* Unit kind of a numeric field; 0 = plain numbers. */
  void (*SetItemPrecisionA)(ItemRef item, int32_t units);
  /* Number of decimals a numeric field shows and keeps. */
  void (*SetItemPrecision)(ItemRef item, int32_t digits);
  void (*SetBooleanValue)(ItemRef item, int32_t value);
  int32_t (*GetBooleanValue)(ItemRef item);
  void (*SetIntValue)(ItemRef item, int32_t value);
  int32_t (*GetIntValue)(ItemRef item);
  void (*SetFloatValue)(ItemRef item, Real value);
  Real (*GetFloatValue)(ItemRef item);
  void (*SetMinIntValue)(ItemRef item, int32_t value);
  void (*SetMaxIntValue)(ItemRef item, int32_t value);
  void (*SetMinFloatValue)(ItemRef item, Real value);
  void (*SetMaxFloatValue)(ItemRef item, Real value);
  void (*SetItemSmallStep)(ItemRef item, Real step);
  void (*SetItemLargeStep)(ItemRef item, Real step);
} ADMItemSuiteV4;

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

typedef struct ADMListSuiteV1 {
  /* A new entry at index (appended when index is past the end). */
  EntryRef (*InsertListEntry)(ListRef list, int32_t index);
  /* Null when no entry has that id. */
  EntryRef (*FindListEntry)(ListRef list, int32_t id);
  /* Null when no entry is selected. */
  EntryRef (*GetSelectedEntry)(ListRef list);
  int32_t (*NumberOfEntries)(ListRef list);
  EntryRef (*IndexEntry)(ListRef list, int32_t index);
} ADMListSuiteV1;

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

typedef struct ADMEntrySuiteV2 {
  void (*SetEntryText)(EntryRef entry, const char* text);
  void (*SetEntryId)(EntryRef entry, int32_t id);
  int32_t (*GetEntryId)(EntryRef entry);
  /* Selecting an entry of a single-choice list deselects the others. */
  void (*SelectEntry)(EntryRef entry, int32_t select);
} ADMEntrySuiteV2;

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 1

typedef struct ADMNotifierSuiteV1 {
  /* Nonzero when the notifier is of the type named. */
  int32_t (*NotifierIs)(NotifierRef notifier, const char* type);
} ADMNotifierSuiteV1;

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1

/* Obtained by the plug-ins but never called. */
typedef struct ADMIconSuiteV1 {
  void (*Reserved)(void);
} ADMIconSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
