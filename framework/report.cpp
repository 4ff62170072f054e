// The error dialog and the About box.
#include <string.h>

#include "framework/plugin.h"

enum : int32_t {
  kErrorListId = 16050,
  kErrorDialogId = 16051,
  kAboutDialogId = 16050,
  kMessageSize = 256,
};

namespace {

struct ErrorText {
  char message[kMessageSize];
  char code[kMessageSize];
};

void OnlyDefault(ItemRef item, NotifierRef notifier) { sItem->DefaultNotify(item, notifier); }

HostError ErrorDialogInit(DialogRef dialog) {
  const ErrorText* text = static_cast<const ErrorText*>(sDialog->GetDialogUserData(dialog));
  sItem->SetNotifyProc(sDialog->GetItem(dialog, 1), OnlyDefault);
  sItem->SetItemText(sDialog->GetItem(dialog, 2), text->message);
  sItem->SetItemText(sDialog->GetItem(dialog, 3), text->code);
  return kNoError;
}

HostError AboutInit(DialogRef dialog) {
  sItem->SetNotifyProc(sDialog->GetItem(dialog, 1), OnlyDefault);
  return kNoError;
}

// The value an error list code text stands for: a number (sign-extended low
// 16 bits of its integer part) or a four-character code. Numbers need the
// user suite, which a half-finished suite bracket may lack; they then read as
// 0, a code that is never reported, so they match nothing.
HostError ListedCode(char* text) {
  if (text[0] == '-' || (text[0] >= '0' && text[0] <= '9')) {
    if (sUser == nullptr) return kNoError;
    Real value = 0;
    ToLengthPrefixed(text);
    sUser->ParseReal(reinterpret_cast<const unsigned char*>(text), &value);
    int32_t whole = static_cast<int32_t>(value);
    return static_cast<int16_t>(whole & 0xFFFF);
  }
  return CV_CODE(text[0], text[1], text[2], text[3]);
}

}  // namespace

void ReportError(HostMessage* message, HostError code) {
  if (code == kNoError || code == kCancelError || sADMBasic == nullptr || sDialog == nullptr)
    return;

  int32_t index = 1;
  bool found = false;
  for (;; index += 2) {
    char text[256] = {0};
    sADMBasic->GetIndexedString(message->pluginRef, kErrorListId, index, text, 255);
    if (text[0] == '\0') break;
    if (ListedCode(text) == code) {
      found = true;
      break;
    }
  }

  ErrorText error;
  memset(&error, 0, sizeof error);
  int32_t entry = found ? index + 1 : index - 1;
  if (sADMBasic->GetIndexedString(message->pluginRef, kErrorListId, entry, error.message,
                                  kMessageSize) != kNoError)
    return;

  // A numeric code without the user suite to format it is shown without its
  // code text.
  int16_t upper = static_cast<int16_t>(static_cast<uint32_t>(code) >> 16);
  if (upper != 0 && upper != -1) {
    FourCharText(code, error.code);
  } else if (sUser != nullptr) {
    sUser->FormatReal(static_cast<Real>(code), 0, reinterpret_cast<unsigned char*>(error.code));
    ToNulTerminated(error.code);
  }
  sDialog->RunModalDialog(message->pluginRef, "Error Dialog", kErrorDialogId, 0, ErrorDialogInit,
                          &error);
}

HostError ShowAbout(HostMessage* message) {
  sDialog->RunModalDialog(message->pluginRef, "About Dialog", kAboutDialogId, 0, AboutInit,
                          nullptr);
  return kNoError;
}
