#include "host/io/json_document.h"

#include <algorithm>

namespace corvane::host::io {
namespace {

using Json = nlohmann::ordered_json;

constexpr size_t kLineLimit = 100;
constexpr int kInlineDepth = 3;

int Depth(const Json& value) {
  if (!value.is_structured()) return 0;
  int deepest = 0;
  for (const auto& member : value) deepest = std::max(deepest, Depth(member));
  return deepest + 1;
}

void WriteOneLine(const Json& value, std::string& out) {
  if (value.is_object()) {
    out += '{';
    bool first = true;
    for (const auto& [key, member] : value.items()) {
      if (!first) out += ", ";
      first = false;
      out += Json(key).dump();
      out += ": ";
      WriteOneLine(member, out);
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    for (size_t i = 0; i < value.size(); ++i) {
      if (i) out += ", ";
      WriteOneLine(value[i], out);
    }
    out += ']';
  } else {
    out += value.dump();
  }
}

void Write(const Json& value, int indent, std::string& out) {
  if (!value.is_structured() || value.empty() || Depth(value) <= kInlineDepth) {
    std::string line;
    WriteOneLine(value, line);
    if (line.size() + static_cast<size_t>(indent) <= kLineLimit || !value.is_structured() ||
        value.empty()) {
      out += line;
      return;
    }
  }
  std::string inner(static_cast<size_t>(indent + 2), ' ');
  bool object = value.is_object();
  out += object ? "{\n" : "[\n";
  size_t i = 0;
  for (auto it = value.begin(); it != value.end(); ++it, ++i) {
    out += inner;
    if (object) {
      out += Json(it.key()).dump();
      out += ": ";
    }
    Write(it.value(), indent + 2, out);
    out += i + 1 < value.size() ? ",\n" : "\n";
  }
  out += std::string(static_cast<size_t>(indent), ' ');
  out += object ? '}' : ']';
}

}  // namespace

std::string FormatJson(const Json& value) {
  std::string out;
  Write(value, 0, out);
  out += '\n';
  return out;
}

}  // namespace corvane::host::io
