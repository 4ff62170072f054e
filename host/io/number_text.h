// Numbers as the document files write and read them.
//
// Both file forms keep single-precision values exactly: a value is written
// as the shortest decimal text that reads back as the same float, and read
// by rounding the decimal text once, straight to float.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::host::io {

// Shortest text that reads back as exactly `value` ("0.1", "-0", "1e-10").
// Non-finite values give "nan", "inf" or "-inf", which no reader accepts.
std::string FormatFloat(float value);

// The double whose shortest text is FormatFloat(value), so that a JSON
// writer printing doubles shortest-first prints the float's own text and a
// reader converting the parsed double to float gets `value` back.
double FloatAsJsonDouble(float value);

// Length of the number at the start of `text` in the SVG/CSS grammar
// ([+-] digits [. digits] [e [+-] digits], or [+-] . digits ...); 0 when
// the text does not start with a number. Rejects "nan" and "inf".
size_t ScanNumber(std::string_view text);

// The whole of `text` as a number of that grammar, rounded once; nullopt for
// anything else, and for values outside the float range.
std::optional<float> ParseFloat(std::string_view text);
std::optional<double> ParseDouble(std::string_view text);

// `value` rounded to float; nullopt when it is not finite or rounds to an
// infinity.
std::optional<float> NarrowToFloat(double value);

// Exact decimal arithmetic on number texts of that grammar: the text of
// a - b, in plain positional notation, computed without rounding. nullopt
// when either text is not a number or its exponent is absurdly large.
// Rationale: the SVG form flips the vertical axis (y' = height - y); doing
// that in decimal lets the reader undo the writer's flip exactly, which no
// binary floating-point type can do for values much smaller than the page.
std::optional<std::string> DecimalDifference(std::string_view a, std::string_view b);

}  // namespace corvane::host::io
