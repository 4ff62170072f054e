#include "host/loader/run_agent.h"

#include "host/dialogs/dialog.h"

namespace corvane::host {

std::string StaticTexts(const Dialog& dialog) {
  std::string text;
  for (const auto& item : dialog.items()) {
    if (item->kind() != ItemKind::StaticText) continue;
    if (!text.empty()) text += "\n";
    text += item->text();
  }
  return text;
}

UserAction RunAgent::next(Dialog& innermost) {
  if (innermost.resourceId() == kErrorDialogId && innermost.name() == "Error Dialog") {
    const Item* message = innermost.item(2);
    const Item* code = innermost.item(3);
    errors_.push_back({message ? message->text() : "", code ? code->text() : ""});
    return UserAction::Ok();
  }
  if (innermost.resourceId() == kAboutDialogId && innermost.name() == "About Dialog") {
    abouts_.push_back(innermost.tmpl().title + "\n" + StaticTexts(innermost));
    return UserAction::Ok();
  }
  return inner_.next(innermost);
}

}  // namespace corvane::host
