#include "host/io/json_document.h"

#include <algorithm>

namespace corvane::host::io {
namespace {

using Json = nlohmann::ordered_json;

constexpr size_t kLineLimit = 100;
constexpr int kInlineDepth = 3;

// Whether value nests more than `levels` deep, counting a scalar as 0 deep
// and an array or object as one more than its deepest member. Looks no
// further than `levels` below value, so asking at every node of a document
// visits each node at most levels + 1 times.
bool NestsDeeperThan(const Json& value, int levels) {
  if (!value.is_structured()) return false;
  if (levels == 0) return true;
  for (const auto& member : value)
    if (NestsDeeperThan(member, levels - 1)) return true;
  return false;
}

// A string's JSON text. Printable ASCII without quotes or backslashes, the
// usual case by far, is copied as is; the serializer escapes the rest and
// writes bytes that are not UTF-8 (a plug-in may set any bytes as a title)
// as U+FFFD rather than throw.
void WriteString(const std::string& text, std::string& out) {
  bool plain = std::all_of(text.begin(), text.end(), [](char ch) {
    return ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\';
  });
  if (!plain) {
    out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
    return;
  }
  out += '"';
  out += text;
  out += '"';
}

void WriteScalar(const Json& value, std::string& out) {
  if (value.is_string())
    WriteString(value.get_ref<const std::string&>(), out);
  else if (value.is_boolean())
    out += value.get<bool>() ? "true" : "false";
  else
    out += value.dump();
}

// Appends value on one line; gives up (returning false, with out holding a
// partial line) as soon as the line passes `room` characters, since such a
// line is never used.
bool WriteOneLine(const Json& value, std::string& out, size_t start, size_t room) {
  if (value.is_object()) {
    out += '{';
    bool first = true;
    for (auto it = value.begin(); it != value.end(); ++it) {
      if (!first) out += ", ";
      first = false;
      WriteString(it.key(), out);
      out += ": ";
      if (!WriteOneLine(it.value(), out, start, room)) return false;
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    bool first = true;
    for (const auto& member : value) {
      if (!first) out += ", ";
      first = false;
      if (!WriteOneLine(member, out, start, room)) return false;
    }
    out += ']';
  } else {
    WriteScalar(value, out);
  }
  return out.size() - start <= room;
}

void Write(const Json& value, int indent, std::string& out) {
  if (!value.is_structured()) return WriteScalar(value, out);
  if (value.empty()) {
    out += value.is_object() ? "{}" : "[]";
    return;
  }
  if (!NestsDeeperThan(value, kInlineDepth)) {
    size_t start = out.size();
    size_t room = static_cast<size_t>(indent) < kLineLimit ? kLineLimit - static_cast<size_t>(indent) : 0;
    if (WriteOneLine(value, out, start, room)) return;
    out.resize(start);
  }
  bool object = value.is_object();
  out += object ? "{\n" : "[\n";
  size_t i = 0;
  for (auto it = value.begin(); it != value.end(); ++it, ++i) {
    out.append(static_cast<size_t>(indent + 2), ' ');
    if (object) {
      WriteString(it.key(), out);
      out += ": ";
    }
    Write(it.value(), indent + 2, out);
    out += i + 1 < value.size() ? ",\n" : "\n";
  }
  out.append(static_cast<size_t>(indent), ' ');
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
