#include "host/io/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace corvane::host::io {

std::string FormatFloat(float value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

double FloatAsJsonDouble(float value) {
  if (!std::isfinite(value)) return value;
  std::string text = FormatFloat(value);
  double parsed = 0;
  std::from_chars(text.data(), text.data() + text.size(), parsed);
  // A decimal this short cannot land on a rounding boundary between two
  // floats in practice; the check keeps the guarantee unconditional.
  return static_cast<float>(parsed) == value ? parsed : static_cast<double>(value);
}

std::optional<float> NarrowToFloat(double value) {
  // Halfway between the largest float and 2^128: from here on, rounding
  // gives an infinity.
  constexpr double kLimit = 3.4028235677973366e38;
  if (!(std::fabs(value) < kLimit)) return std::nullopt;
  return static_cast<float>(value);
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t ScanDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

template <class T>
std::optional<T> ParseWhole(std::string_view text) {
  if (text.empty() || ScanNumber(text) != text.size()) return std::nullopt;
  // from_chars takes no leading '+'.
  if (text[0] == '+') text.remove_prefix(1);
  T value{};
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// value = (negative ? -1 : 1) * digits * 10^exponent, digits without
// leading zeros ("" for zero).
struct Decimal {
  bool negative = false;
  std::string digits;
  long exponent = 0;
};

constexpr long kMaxExponent = 400;

std::optional<Decimal> ParseDecimal(std::string_view text) {
  if (text.empty() || ScanNumber(text) != text.size()) return std::nullopt;
  Decimal d;
  size_t at = 0;
  if (text[at] == '+' || text[at] == '-') d.negative = text[at++] == '-';
  for (; at < text.size() && (IsDigit(text[at]) || text[at] == '.'); ++at) {
    if (text[at] == '.') continue;
    d.digits.push_back(text[at]);
  }
  size_t point = text.find('.');
  size_t mantissaEnd = at;
  if (point != std::string_view::npos) d.exponent = -static_cast<long>(mantissaEnd - point - 1);
  if (at < text.size()) {  // exponent part
    long e = std::strtol(std::string(text.substr(at + 1)).c_str(), nullptr, 10);
    if (e > kMaxExponent || e < -kMaxExponent) return std::nullopt;
    d.exponent += e;
  }
  size_t first = d.digits.find_first_not_of('0');
  d.digits.erase(0, first == std::string::npos ? d.digits.size() : first);
  if (d.digits.empty()) d.negative = false;
  if (d.exponent > 2 * kMaxExponent || d.exponent < -2 * kMaxExponent) return std::nullopt;
  return d;
}

// Magnitudes as digit strings of equal length, most significant first.
int CompareDigits(const std::string& a, const std::string& b) {
  return a == b ? 0 : (a < b ? -1 : 1);
}

std::string AddDigits(const std::string& a, const std::string& b) {
  std::string sum(a.size() + 1, '0');
  int carry = 0;
  for (size_t i = a.size(); i-- > 0;) {
    int digit = (a[i] - '0') + (b[i] - '0') + carry;
    sum[i + 1] = static_cast<char>('0' + digit % 10);
    carry = digit / 10;
  }
  sum[0] = static_cast<char>('0' + carry);
  return sum;
}

// a >= b.
std::string SubtractDigits(const std::string& a, const std::string& b) {
  std::string difference(a.size(), '0');
  int borrow = 0;
  for (size_t i = a.size(); i-- > 0;) {
    int digit = (a[i] - '0') - (b[i] - '0') - borrow;
    borrow = digit < 0;
    difference[i] = static_cast<char>('0' + digit + (borrow ? 10 : 0));
  }
  return difference;
}

std::string FormatDecimal(bool negative, std::string digits, long exponent) {
  size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  digits.erase(0, first);
  while (exponent < 0 && digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  std::string text = negative ? "-" : "";
  if (exponent >= 0) return text + digits + std::string(static_cast<size_t>(exponent), '0');
  size_t fraction = static_cast<size_t>(-exponent);
  if (digits.size() <= fraction) digits.insert(0, fraction - digits.size() + 1, '0');
  return text + digits.substr(0, digits.size() - fraction) + "." + digits.substr(digits.size() - fraction);
}

}  // namespace

size_t ScanNumber(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  size_t integerEnd = ScanDigits(text, at);
  bool integerDigits = integerEnd > at;
  at = integerEnd;
  bool fractionDigits = false;
  if (at < text.size() && text[at] == '.') {
    size_t fractionEnd = ScanDigits(text, at + 1);
    fractionDigits = fractionEnd > at + 1;
    if (integerDigits || fractionDigits) at = fractionEnd;
  }
  if (!integerDigits && !fractionDigits) return 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t e = at + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    size_t exponentEnd = ScanDigits(text, e);
    if (exponentEnd > e) at = exponentEnd;
  }
  return at;
}

std::optional<float> ParseFloat(std::string_view text) { return ParseWhole<float>(text); }
std::optional<double> ParseDouble(std::string_view text) { return ParseWhole<double>(text); }

std::optional<std::string> DecimalDifference(std::string_view a, std::string_view b) {
  auto x = ParseDecimal(a);
  auto y = ParseDecimal(b);
  if (!x || !y) return std::nullopt;
  y->negative = !y->negative && !y->digits.empty();
  long exponent = std::min(x->exponent, y->exponent);
  std::string xd = x->digits + std::string(static_cast<size_t>(x->exponent - exponent), '0');
  std::string yd = y->digits + std::string(static_cast<size_t>(y->exponent - exponent), '0');
  size_t width = std::max(xd.size(), yd.size());
  xd.insert(0, width - xd.size(), '0');
  yd.insert(0, width - yd.size(), '0');
  if (x->negative == y->negative) return FormatDecimal(x->negative, AddDigits(xd, yd), exponent);
  if (CompareDigits(xd, yd) >= 0) return FormatDecimal(x->negative, SubtractDigits(xd, yd), exponent);
  return FormatDecimal(y->negative, SubtractDigits(yd, xd), exponent);
}

}  // namespace corvane::host::io
