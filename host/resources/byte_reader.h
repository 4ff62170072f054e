// Little-endian reads from a byte range that never go past its end.
//
// A read that would overrun marks the reader failed, records where and what
// it wanted, and yields 0 from then on; callers read a group of fields and
// check ok() once. Offsets are reported relative to the start of the whole
// input (base + position) so errors point into the file a person can open.
#pragma once

#include "host/resources/result.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane::host {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size, size_t base = 0)
      : data_(data), size_(size), base_(base) {}

  bool ok() const { return !failed_; }
  size_t position() const { return pos_; }
  size_t remaining() const { return failed_ ? 0 : size_ - pos_; }
  // Offset of the current position in the whole input.
  size_t offset() const { return base_ + pos_; }
  const uint8_t* here() const { return data_ + pos_; }

  uint8_t u8() { return static_cast<uint8_t>(take(1)); }
  uint16_t u16() { return static_cast<uint16_t>(take(2)); }
  uint32_t u32() { return static_cast<uint32_t>(take(4)); }
  uint64_t u64() { return take(8); }
  int16_t i16() { return static_cast<int16_t>(u16()); }
  int32_t i32() { return static_cast<int32_t>(u32()); }

  // Moves forward by count bytes; fails when fewer are left.
  void skip(size_t count) {
    if (need(count)) pos_ += count;
  }
  // Moves forward to the next multiple of alignment, counted from the start
  // of this reader's range. Running out of bytes while aligning is not an
  // error: trailing padding may be absent at the very end.
  void align(size_t alignment) {
    size_t padded = (pos_ + alignment - 1) / alignment * alignment;
    pos_ = padded < size_ ? padded : size_;
  }

  // The error of the first failed read, pointing at where it started.
  ParseError error(const std::string& what) const {
    return ParseError{base_ + failPos_, what + ": " + failure_};
  }

 private:
  bool need(size_t count) {
    if (failed_) return false;
    if (count > size_ - pos_) {
      failed_ = true;
      failPos_ = pos_;
      failure_ = "needs " + std::to_string(count) + " bytes, only " +
                 std::to_string(size_ - pos_) + " left";
      return false;
    }
    return true;
  }
  uint64_t take(size_t count) {
    if (!need(count)) return 0;
    uint64_t v = 0;
    for (size_t i = 0; i < count; ++i) v |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
    pos_ += count;
    return v;
  }

  const uint8_t* data_;
  size_t size_;
  size_t base_;
  size_t pos_ = 0;
  bool failed_ = false;
  size_t failPos_ = 0;
  std::string failure_;
};

}  // namespace corvane::host
