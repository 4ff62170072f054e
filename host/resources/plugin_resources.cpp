#include "host/resources/plugin_resources.h"

#include "host/resources/elf_section.h"

namespace corvane::host {

PluginResources::Result PluginResources::Read(const std::string& path) {
  Parsed<Bytes> section = ReadElfSection(path, kResourceSectionName);
  if (!section) return section.error();
  Result parsed = FromRes(section.value());
  if (!parsed)
    return ParseError{parsed.error().offset,
                      path + ": resources: " + parsed.error().description};
  return parsed;
}

PluginResources::Result PluginResources::FromRes(const std::vector<uint8_t>& bytes) {
  Parsed<std::vector<RawResource>> records = ParseResFile(bytes);
  if (!records) return records.error();
  PluginResources out;
  out.resources_ = std::move(records).value();
  for (const RawResource& res : out.resources_) {
    if (!res.type.isOrdinal() || !res.name.isOrdinal()) continue;
    int32_t id = res.name.ordinal();
    if (res.type.ordinal() == kResTypeDialog && !out.dialogs_.count(id)) {
      Parsed<DialogTemplate> dialog = ParseDialogTemplate(res.data, res.dataOffset);
      if (!dialog)
        return ParseError{dialog.error().offset, "dialog " + std::to_string(id) + ": " +
                                                     dialog.error().description};
      out.dialogs_.emplace(id, std::move(dialog).value());
    } else if (res.type.ordinal() == kResTypeString) {
      Parsed<int> block = ParseStringBlock(res.name.ordinal(), res.data, res.dataOffset, out.strings_);
      if (!block)
        return ParseError{block.error().offset, "string block " + std::to_string(id) + ": " +
                                                    block.error().description};
    }
  }
  return out;
}

std::optional<std::string> PluginResources::string(int32_t id) const {
  auto it = strings_.find(id);
  if (it == strings_.end()) return std::nullopt;
  return it->second;
}

const DialogTemplate* PluginResources::dialog(int32_t id) const {
  auto it = dialogs_.find(id);
  return it == dialogs_.end() ? nullptr : &it->second;
}

std::vector<int32_t> PluginResources::dialogIds() const {
  std::vector<int32_t> ids;
  for (const auto& [id, dialog] : dialogs_) ids.push_back(id);
  return ids;
}

const std::vector<uint8_t>* PluginResources::raw(const ResId& type, const ResId& name) const {
  for (const RawResource& res : resources_)
    if (res.type == type && res.name == name) return &res.data;
  return nullptr;
}

PiplCheck PluginResources::checkPipl() const {
  const std::vector<uint8_t>* pipl = raw(ResId("PIPL"), ResId(kPiplResourceId));
  if (!pipl) return PiplCheck{false, "no PIPL resource " + std::to_string(kPiplResourceId)};
  return CheckPipl(*pipl);
}

}  // namespace corvane::host
