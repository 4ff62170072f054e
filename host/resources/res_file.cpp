#include "host/resources/res_file.h"

#include "host/resources/byte_reader.h"
#include "host/resources/utf16.h"

#include <cctype>

namespace corvane::host {
namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// A type or name field of a record header: 0xFFFF then an ordinal, or a
// NUL-terminated UTF-16 string.
ResId ReadId(ByteReader& r) {
  ByteReader peek = r;
  uint16_t first = peek.u16();
  if (!peek.ok()) {
    r.u16();  // fail r at the same place
    return ResId();
  }
  if (first == 0xFFFF) {
    r.u16();
    return ResId(r.u16());
  }
  return ResId(ReadUtf16z(r));
}

// Parses the record whose header starts at the reader's position; leaves the
// reader at the start of the next record.
Parsed<RawResource> ReadRecord(const std::vector<uint8_t>& bytes, size_t start) {
  using R = Parsed<RawResource>;
  ByteReader head(bytes.data() + start, bytes.size() - start, start);
  uint32_t dataSize = head.u32();
  uint32_t headerSize = head.u32();
  if (!head.ok()) return head.error("truncated resource header");
  if (headerSize < 8 + 16 || headerSize > bytes.size() - start)
    return R::Fail(start + 4, "resource header size " + std::to_string(headerSize) +
                                  " is impossible here (" + std::to_string(bytes.size() - start) +
                                  " bytes left)");
  ByteReader fields(bytes.data() + start, headerSize, start);
  fields.skip(8);
  RawResource res;
  res.type = ReadId(fields);
  res.name = ReadId(fields);
  fields.align(4);
  fields.skip(4 + 2);  // data version, memory flags
  res.language = fields.u16();
  fields.skip(4 + 4);  // version, characteristics
  if (!fields.ok()) return fields.error("malformed resource header");
  size_t dataStart = start + headerSize;
  if (dataSize > bytes.size() - dataStart)
    return R::Fail(start, "resource " + res.type.toString() + " " + res.name.toString() + " claims " +
                              std::to_string(dataSize) + " bytes of data, only " +
                              std::to_string(bytes.size() - dataStart) + " left");
  res.dataOffset = dataStart;
  res.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(dataStart),
                  bytes.begin() + static_cast<std::ptrdiff_t>(dataStart + dataSize));
  return res;
}

}  // namespace

ResId::ResId(const char* name) : id_(Upper(name)) {}
ResId::ResId(const std::string& name) : id_(Upper(name)) {}

const std::string& ResId::name() const {
  static const std::string empty;
  return isOrdinal() ? empty : std::get<std::string>(id_);
}

std::string ResId::toString() const {
  return isOrdinal() ? std::to_string(ordinal()) : "\"" + name() + "\"";
}

Parsed<std::vector<RawResource>> ParseResFile(const std::vector<uint8_t>& bytes) {
  std::vector<RawResource> out;
  size_t at = 0;
  bool first = true;
  while (at < bytes.size()) {
    Parsed<RawResource> record = ReadRecord(bytes, at);
    if (!record) return record.error();
    RawResource& res = record.value();
    size_t next = res.dataOffset + res.data.size();
    next = (next + 3) / 4 * 4;
    // The leading marker record has type 0 and name 0 and carries nothing.
    bool marker = first && res.type.isOrdinal() && res.type.ordinal() == 0 && res.data.empty();
    if (!marker) out.push_back(std::move(res));
    first = false;
    at = next;
  }
  return out;
}

}  // namespace corvane::host
