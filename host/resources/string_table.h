// String tables: each RT_STRING resource is a block of sixteen strings;
// block b holds the ids (b - 1) * 16 to (b - 1) * 16 + 15. Each string is a
// 16-bit length and that many UTF-16 code units, without a terminator.
#pragma once

#include "host/resources/result.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace corvane::host {

using StringTable = std::map<int32_t, std::string>;

// Adds the non-empty strings of block blockId, converted to UTF-8, to table.
// An empty string cannot be told from an absent one in this format, so it is
// not added. base is the block's offset in the file, for error offsets.
// Returns the number of strings added.
Parsed<int> ParseStringBlock(uint16_t blockId, const std::vector<uint8_t>& data, size_t base,
                             StringTable& table);

}  // namespace corvane::host
