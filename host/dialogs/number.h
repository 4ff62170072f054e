// The value of a numeric dialog item (edit field, slider, scroll bar).
//
// An item is integer-valued or real-valued. Edit fields start undecided and
// sliders start integer; any Float setter or bound makes the item real from
// then on, and an Int call on an undecided item makes it integer. Rationale:
// the plug-ins choose the calls that match each field, and a real field must
// never lose its decimals because one integer call touched it.
//
// Every value set or entered is held: rounded (to a whole number for integer
// items, to the precision for real items that have one), then brought within
// the bounds, which win over the precision. An item has no bounds until they
// are set; when the bounds cross, the minimum wins.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::host {

enum class NumberKind { Undecided, Integer, Real };

class NumberValue {
 public:
  explicit NumberValue(NumberKind kind = NumberKind::Undecided) : kind_(kind) {}

  NumberKind kind() const { return kind_; }
  double value() const { return value_; }
  std::optional<double> minimum() const { return min_; }
  std::optional<double> maximum() const { return max_; }
  // Decimals kept and shown; unset means the value is kept as given.
  std::optional<int> precision() const { return precision_; }

  void setInt(int32_t v);
  void setReal(double v);
  void setMinInt(int32_t v);
  void setMaxInt(int32_t v);
  void setMinReal(double v);
  void setMaxReal(double v);
  // Digits are limited to 0..9; the current value is rounded to them.
  void setPrecision(int digits);
  // A value typed or dragged by the user: an undecided item becomes real.
  void enter(double v);

  // The value rounded to the nearest integer, limited to the 32-bit range.
  int32_t asInt() const;
  float asReal() const { return static_cast<float>(value_); }
  // v as this item would hold it.
  double held(double v) const;
  // v formatted as the item shows numbers: integers plainly, reals with the
  // precision's decimals, or as the shortest text that reads back the same
  // single-precision value when no precision is set.
  std::string format(double v) const;
  std::string text() const { return format(value_); }

  // Reads a whole number from text (leading and trailing blanks allowed);
  // nullopt when text is not a finite number.
  static std::optional<double> Parse(const std::string& text);

 private:
  void decideInteger();
  void decideReal();

  NumberKind kind_;
  double value_ = 0;
  std::optional<double> min_, max_;
  std::optional<int> precision_;
};

}  // namespace corvane::host
