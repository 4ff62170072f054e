// Everything the host needs from a plug-in's compiled resources: its dialog
// templates, its string table and its property list.
//
// A plug-in library carries its .res file whole in the ELF section
// ".corvane_resources"; Read takes it from there without loading the
// library.
#pragma once

#include "host/resources/dialog_template.h"
#include "host/resources/pipl.h"
#include "host/resources/res_file.h"
#include "host/resources/result.h"
#include "host/resources/string_table.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvane::host {

constexpr const char* kResourceSectionName = ".corvane_resources";

class PluginResources {
 public:
  using Result = Parsed<PluginResources>;

  // Reads the resource section of the library at path and parses it.
  static Result Read(const std::string& path);
  // Parses the bytes of a .res file. Fails when the file structure, a dialog
  // template or a string block is malformed; a missing or wrong property
  // list is not a parse failure (see checkPipl).
  static Result FromRes(const std::vector<uint8_t>& bytes);

  // Entry id of the string table; nullopt when absent (or empty).
  std::optional<std::string> string(int32_t id) const;
  // Dialog template with that ordinal id; null when there is none.
  const DialogTemplate* dialog(int32_t id) const;
  // Ordinal ids of all dialog templates, ascending.
  std::vector<int32_t> dialogIds() const;
  const StringTable& strings() const { return strings_; }
  // Data of the resource of that type and name (first language); null when absent.
  const std::vector<uint8_t>* raw(const ResId& type, const ResId& name) const;
  // Whether the "PIPL" resource 16000 marks the library as a plug-in.
  PiplCheck checkPipl() const;

 private:
  std::vector<RawResource> resources_;
  std::map<int32_t, DialogTemplate> dialogs_;
  StringTable strings_;
};

}  // namespace corvane::host
