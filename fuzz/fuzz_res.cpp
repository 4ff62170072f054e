// Fuzz target: compiled resource files, through PluginResources::FromRes and
// every accessor, and the template, string block and property list parsers
// on the raw bytes as well (random bytes rarely make a well-formed record
// around them).
//
// Promises checked beyond "no crash": errors point into the input and say
// why; text comes out as well-formed UTF-8; the accessors agree with each
// other.
#include "fuzz_support.h"

#include "host/resources/plugin_resources.h"

#include <string>
#include <vector>

namespace corvane::fuzz {
namespace {

using namespace host;

template <class T>
void CheckError(const Parsed<T>& parsed, size_t size) {
  if (parsed) return;
  Require(parsed.error().offset <= size, "error offsets point into the input", parsed.error().message());
  Require(!parsed.error().description.empty(), "a failed parse says why");
}

void CheckTemplate(const DialogTemplate& dialog) {
  for (const std::string* text : {&dialog.menu, &dialog.windowClass, &dialog.title, &dialog.fontFace})
    Require(IsUtf8(*text), "dialog texts are UTF-8", *text);
  for (const DialogControl& control : dialog.controls) {
    Require(IsUtf8(control.className) && IsUtf8(control.text), "control texts are UTF-8");
    const DialogControl* found = dialog.control(control.id);
    Require(found != nullptr && found->id == control.id, "every control is found by its id");
  }
}

void CheckResources(const PluginResources& resources) {
  std::vector<int32_t> ids = resources.dialogIds();
  for (size_t i = 0; i < ids.size(); ++i) {
    Require(i == 0 || ids[i - 1] < ids[i], "dialog ids ascend");
    const DialogTemplate* dialog = resources.dialog(ids[i]);
    Require(dialog != nullptr, "every listed dialog is there");
    CheckTemplate(*dialog);
    Require(resources.raw(kResTypeDialog, static_cast<uint16_t>(ids[i])) != nullptr,
            "every parsed dialog has its raw resource");
  }
  for (const auto& [id, text] : resources.strings()) {
    Require(!text.empty() && IsUtf8(text), "table strings are non-empty UTF-8", text);
    Require(resources.string(id) == text, "string(id) gives the table's string");
  }
  PiplCheck pipl = resources.checkPipl();
  Require(pipl.ok == pipl.reason.empty(), "a refused property list says why, an accepted one does not");
}

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvane;
  using namespace corvane::host;
  const std::vector<uint8_t> bytes(data, data + size);

  PluginResources::Result resources = PluginResources::FromRes(bytes);
  fuzz::CheckError(resources, size);
  if (resources) fuzz::CheckResources(*resources);

  Parsed<DialogTemplate> dialog = ParseDialogTemplate(bytes);
  fuzz::CheckError(dialog, size);
  if (dialog) fuzz::CheckTemplate(*dialog);

  StringTable table;
  Parsed<int> block = ParseStringBlock(1, bytes, 0, table);
  fuzz::CheckError(block, size);
  if (block) fuzz::Require(table.size() == static_cast<size_t>(*block), "a block adds what it counts");

  PiplCheck pipl = CheckPipl(bytes);
  fuzz::Require(pipl.ok == pipl.reason.empty(), "a refused property list says why, an accepted one does not");
  return 0;
}
