#include "host/resources/pipl.h"

#include "host/resources/byte_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace corvane::host {
namespace {

constexpr uint32_t Code(const char (&s)[5]) {
  return (uint32_t(uint8_t(s[0])) << 24) | (uint32_t(uint8_t(s[1])) << 16) |
         (uint32_t(uint8_t(s[2])) << 8) | uint32_t(uint8_t(s[3]));
}

std::string CodeText(uint32_t code) {
  std::string s;
  for (int shift = 24; shift >= 0; shift -= 8) {
    char c = static_cast<char>((code >> shift) & 0xFF);
    s += (c >= 0x20 && c < 0x7F) ? c : '?';
  }
  return s;
}

struct Property {
  uint32_t vendor = 0;
  uint32_t key = 0;
  std::vector<uint8_t> data;
};

PiplCheck Refuse(std::string reason) { return PiplCheck{false, std::move(reason)}; }

std::optional<uint32_t> Word(const Property& p) {
  if (p.data.size() != 4) return std::nullopt;
  ByteReader r(p.data.data(), 4);
  return r.u32();
}

PiplCheck CheckKind(const Property& p) {
  std::optional<uint32_t> kind = Word(p);
  if (!kind) return Refuse("kind has " + std::to_string(p.data.size()) + " bytes, not 4");
  if (*kind != Code("SPEA")) return Refuse("kind is '" + CodeText(*kind) + "', not 'SPEA'");
  return PiplCheck{true, {}};
}

PiplCheck CheckInterfaceVersion(const Property& p) {
  std::optional<uint32_t> version = Word(p);
  if (!version) return Refuse("interface version has " + std::to_string(p.data.size()) + " bytes, not 4");
  if (*version != 2) return Refuse("interface version is " + std::to_string(*version) + ", not 2");
  return PiplCheck{true, {}};
}

PiplCheck CheckEntry(const Property& p) {
  if (p.data.empty()) return Refuse("entry name is empty");
  const char* text = reinterpret_cast<const char*>(p.data.data());
  size_t len = strnlen(text, p.data.size());
  if (len == p.data.size()) return Refuse("entry name is not NUL-terminated within its length");
  std::string entry(text, len);
  if (entry != "PluginMain") return Refuse("entry is '" + entry + "', not 'PluginMain'");
  return PiplCheck{true, {}};
}

}  // namespace

PiplCheck CheckPipl(const std::vector<uint8_t>& data) {
  ByteReader r(data.data(), data.size());
  uint16_t version = r.u16();
  uint32_t reserved = r.u32();
  uint32_t count = r.u32();
  if (!r.ok()) return Refuse("truncated header: " + std::to_string(data.size()) + " bytes, needs 10");
  if (version != 1) return Refuse("version is " + std::to_string(version) + ", not 1");
  if (reserved != 0) return Refuse("second field is " + std::to_string(reserved) + ", not 0");

  std::optional<Property> kind, ivrs, entry;
  for (uint32_t i = 0; i < count; ++i) {
    size_t at = r.offset();
    Property p;
    p.vendor = r.u32();
    p.key = r.u32();
    r.u32();  // id
    uint32_t length = r.u32();
    if (r.ok() && length > r.remaining())
      return Refuse("truncated: property " + std::to_string(i + 1) + " at offset " + std::to_string(at) +
                    " claims " + std::to_string(length) + " bytes, only " + std::to_string(r.remaining()) +
                    " left");
    if (r.ok()) p.data.assign(r.here(), r.here() + length);
    // Data is padded to a multiple of four; the last property's padding may
    // be left off at the very end.
    size_t padded = (size_t{length} + 3) / 4 * 4;
    r.skip(std::min(padded, r.remaining()));
    if (!r.ok())
      return Refuse("truncated: property " + std::to_string(i + 1) + " of " + std::to_string(count) +
                    " at offset " + std::to_string(at) + " is cut short");
    if (p.vendor != Code("ADBE")) continue;
    if (p.key == Code("kind") && !kind) kind = p;
    if (p.key == Code("ivrs") && !ivrs) ivrs = p;
    if (p.key == Code("wx86") && !entry) entry = p;
  }
  if (!kind) return Refuse("no 'kind' property");
  if (!ivrs) return Refuse("no 'ivrs' property");
  if (!entry) return Refuse("no 'wx86' property");
  for (PiplCheck check : {CheckKind(*kind), CheckInterfaceVersion(*ivrs), CheckEntry(*entry)})
    if (!check) return check;
  return PiplCheck{true, {}};
}

}  // namespace corvane::host
