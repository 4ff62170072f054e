#include "host/dialogs/number.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace corvane::host {

void NumberValue::decideInteger() {
  if (kind_ == NumberKind::Undecided) kind_ = NumberKind::Integer;
}

void NumberValue::decideReal() { kind_ = NumberKind::Real; }

void NumberValue::setInt(int32_t v) {
  decideInteger();
  value_ = held(v);
}

void NumberValue::setReal(double v) {
  decideReal();
  value_ = held(v);
}

void NumberValue::setMinInt(int32_t v) {
  decideInteger();
  min_ = v;
  value_ = held(value_);
}

void NumberValue::setMaxInt(int32_t v) {
  decideInteger();
  max_ = v;
  value_ = held(value_);
}

void NumberValue::setMinReal(double v) {
  decideReal();
  min_ = v;
  value_ = held(value_);
}

void NumberValue::setMaxReal(double v) {
  decideReal();
  max_ = v;
  value_ = held(value_);
}

void NumberValue::setPrecision(int digits) {
  precision_ = digits < 0 ? 0 : digits > 9 ? 9 : digits;
  value_ = held(value_);
}

void NumberValue::enter(double v) {
  if (kind_ == NumberKind::Undecided) kind_ = NumberKind::Real;
  value_ = held(v);
}

double NumberValue::held(double v) const {
  if (!std::isfinite(v)) v = 0;
  if (kind_ == NumberKind::Integer) {
    v = std::round(v);
  } else if (kind_ == NumberKind::Real && precision_) {
    double scale = std::pow(10.0, *precision_);
    v = std::round(v * scale) / scale;
  }
  if (max_ && v > *max_) v = *max_;
  if (min_ && v < *min_) v = *min_;
  return v == 0 ? 0.0 : v;  // no negative zero
}

int32_t NumberValue::asInt() const {
  double r = std::round(value_);
  if (r <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (r >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

std::string NumberValue::format(double v) const {
  if (kind_ == NumberKind::Integer) return std::to_string(static_cast<long long>(std::llround(v)));
  char buffer[64];
  if (kind_ == NumberKind::Real && precision_) {
    std::snprintf(buffer, sizeof buffer, "%.*f", *precision_, v);
    return buffer;
  }
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(v));
  return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

std::optional<double> NumberValue::Parse(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  double v = std::strtod(begin, &end);
  if (end == begin) return std::nullopt;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace corvane::host
