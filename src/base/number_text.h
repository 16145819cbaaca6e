#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace flenmark {

// An arithmetic or conversion fault (overflow, a value that is not a number).
class ConversionFault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The general text form of a number: at most `significantDigits` significant digits, no
// trailing zeros, "-" for negatives, `separator` as decimal separator. Values below 1E-4 or
// from 10^significantDigits upward take the exponent form ("1E-05", "1,5E+20").
// Throws ConversionFault for infinities and NaN.
std::string NumberText(double value, char separator, int significantDigits = 15);

// The same digits in plain decimal form, never with an exponent.
std::string PlainNumberText(double value, char separator, int significantDigits = 15);

// Reads a number written with either "." or "," as separator, blanks around it allowed,
// exponent forms included. nullopt when the text is not a number.
std::optional<double> ParseNumber(std::string_view text);

// The numeric value of a text, 0 when it is not a number.
double NumericValue(std::string_view text);

// Int: rounds toward minus infinity. Throws ConversionFault when out of the 64-bit range.
int64_t IntOf(double value);

// Round: to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// Round into a 16-bit signed integer; throws ConversionFault on overflow.
int16_t RoundToInt16(double value);

// A value cut into the range of an integer type: the nearest end for values beyond it, 0 for
// NaN, the whole part otherwise. For values from outside that must never be undefined.
template <class Int>
Int SaturatingCast(double value) {
    if (!(value == value)) return 0;
    if (value <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (value >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

// The same into a float: the largest float for values beyond it, 0 for NaN.
float SaturatingFloat(double value);

// Whole numbers as text: "-" for negatives, no leading zeros or blanks.
std::string IntText(int64_t value);

// Int of the numeric value of a text, as text ("-481" for "-480,3").
std::string IntTextOf(std::string_view numberText);

// A heading in whole degrees as shown to people: rounded to the nearest degree of the circle,
// "0" to "359" ("0" for 359.6, "240" for 239.996). Throws ConversionFault when not finite.
std::string WholeDegreesText(double degrees);

// Blanks removed at both ends.
std::string Trim(std::string_view text);

}  // namespace flenmark
