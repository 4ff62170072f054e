// Line and column of a byte offset, for error reports.
#pragma once

#include <cstddef>
#include <string_view>

namespace corvane::host::io {

struct TextPosition {
  int line = 1;    // 1-based
  int column = 1;  // 1-based, in bytes
};

// The position of `offset` in `text`; offsets past the end give the end.
inline TextPosition PositionOf(std::string_view text, size_t offset) {
  TextPosition position;
  for (size_t i = 0; i < offset && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++position.line;
      position.column = 1;
    } else {
      ++position.column;
    }
  }
  return position;
}

}  // namespace corvane::host::io
