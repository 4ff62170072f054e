// The compiled resource file format: a sequence of records, each a header
// (data size, header size, type, name, version fields) followed by the data,
// every record aligned to four bytes. The first record is an empty marker.
#pragma once

#include "host/resources/result.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace corvane::host {

// A resource type or name: a 16-bit ordinal or a string. String ids are
// kept upper-cased, as the resource compiler and loader treat them without
// regard to case.
class ResId {
 public:
  ResId() = default;
  ResId(uint16_t ordinal) : id_(ordinal) {}  // NOLINT: implicit on purpose
  ResId(const char* name);                   // NOLINT
  ResId(const std::string& name);            // NOLINT

  bool isOrdinal() const { return std::holds_alternative<uint16_t>(id_); }
  uint16_t ordinal() const { return isOrdinal() ? std::get<uint16_t>(id_) : 0; }
  const std::string& name() const;
  // "16000" or "\"PIPL\"".
  std::string toString() const;

  friend bool operator==(const ResId& a, const ResId& b) { return a.id_ == b.id_; }
  friend bool operator<(const ResId& a, const ResId& b) { return a.id_ < b.id_; }

 private:
  std::variant<uint16_t, std::string> id_ = uint16_t{0};
};

// Standard ordinal resource types.
constexpr uint16_t kResTypeDialog = 5;
constexpr uint16_t kResTypeString = 6;

struct RawResource {
  ResId type;
  ResId name;
  uint16_t language = 0;
  size_t dataOffset = 0;  // where the data starts in the .res bytes
  std::vector<uint8_t> data;
};

// Every record of a .res file, in file order, without the leading empty
// marker. Fails on a record that does not fit in the input or whose header
// is malformed; error offsets are offsets into bytes.
Parsed<std::vector<RawResource>> ParseResFile(const std::vector<uint8_t>& bytes);

}  // namespace corvane::host
