// The plug-in property list (resource type "PIPL", id 16000) by which the
// host recognises a library as one of its plug-ins.
//
// Layout, little-endian: a 16-bit version (1), a 32-bit zero, a 32-bit
// property count, then the properties, each a vendor code, a key code, a
// 32-bit id, a 32-bit length and length bytes of data padded to a multiple
// of four. Four-character codes are 32-bit integers with the first character
// most significant, so 'kind' is stored as the bytes "dnik".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::host {

constexpr uint16_t kPiplResourceId = 16000;

struct PiplCheck {
  bool ok = false;
  std::string reason;  // why the list was refused; empty when ok
  explicit operator bool() const { return ok; }
};

// Accepts a list of version 1 with zero in the second field whose properties
// (all within the data) include, from vendor 'ADBE': 'kind' = 'SPEA',
// 'ivrs' = 2 and 'wx86' naming the entry "PluginMain" (NUL-terminated within
// the property's length). Other properties are allowed and ignored.
PiplCheck CheckPipl(const std::vector<uint8_t>& data);

}  // namespace corvane::host
