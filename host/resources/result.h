// Outcome of reading or parsing untrusted bytes: a value, or the offset at
// which the input went wrong with a readable description. Bad input is an
// ordinary outcome here, never an exception.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <variant>

namespace corvane::host {

struct ParseError {
  size_t offset = 0;        // byte offset into the input that was examined
  std::string description;  // what was wrong there, for a person to read

  // "offset 28: <description>"
  std::string message() const { return "offset " + std::to_string(offset) + ": " + description; }
};

template <class T>
class Parsed {
 public:
  Parsed(T value) : state_(std::move(value)) {}  // NOLINT: implicit on purpose
  Parsed(ParseError error) : state_(std::move(error)) {}  // NOLINT

  static Parsed Fail(size_t offset, std::string description) {
    return Parsed(ParseError{offset, std::move(description)});
  }

  explicit operator bool() const { return std::holds_alternative<T>(state_); }
  bool ok() const { return static_cast<bool>(*this); }

  // Only valid when ok().
  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const T& operator*() const& { return value(); }
  const T* operator->() const { return &value(); }

  // Only valid when !ok().
  const ParseError& error() const { return std::get<ParseError>(state_); }

 private:
  std::variant<T, ParseError> state_;
};

}  // namespace corvane::host
