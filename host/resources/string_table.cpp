#include "host/resources/string_table.h"

#include "host/resources/byte_reader.h"
#include "host/resources/utf16.h"

namespace corvane::host {

Parsed<int> ParseStringBlock(uint16_t blockId, const std::vector<uint8_t>& data, size_t base,
                             StringTable& table) {
  if (blockId == 0) return Parsed<int>::Fail(base, "string block id 0 does not exist");
  ByteReader r(data.data(), data.size(), base);
  int32_t firstId = (static_cast<int32_t>(blockId) - 1) * 16;
  int added = 0;
  for (int32_t i = 0; i < 16; ++i) {
    uint16_t length = r.u16();
    std::vector<char16_t> units;
    units.reserve(length);
    for (uint16_t k = 0; k < length && r.ok(); ++k) units.push_back(r.u16());
    if (!r.ok()) return r.error("string " + std::to_string(firstId + i));
    if (length == 0) continue;
    table[firstId + i] = Utf16ToUtf8(units);
    ++added;
  }
  return added;
}

}  // namespace corvane::host
