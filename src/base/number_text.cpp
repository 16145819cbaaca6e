#include "base/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace flenmark {
namespace {

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros, at least one
    int exponent = 0;    // value = 0.d1d2d3... x 10^(exponent + 1)
};

Decimal Decompose(double value, int significantDigits) {
    if (!std::isfinite(value)) throw ConversionFault("not a finite number");
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, significantDigits - 1);
    std::string_view text(buffer, static_cast<size_t>(res.ptr - buffer));
    Decimal d;
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.digits += c;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string Fixed(const Decimal& d, char separator) {
    std::string out = d.negative ? "-" : "";
    if (d.exponent >= 0) {
        std::string whole = d.digits.substr(0, std::min<size_t>(d.digits.size(), d.exponent + 1));
        whole.append(static_cast<size_t>(d.exponent + 1) - whole.size(), '0');
        out += whole;
        if (d.digits.size() > static_cast<size_t>(d.exponent + 1))
            out += separator + d.digits.substr(static_cast<size_t>(d.exponent) + 1);
    } else {
        out += '0';
        out += separator;
        out.append(static_cast<size_t>(-d.exponent - 1), '0');
        out += d.digits;
    }
    return out;
}

}  // namespace

std::string NumberText(double value, char separator, int significantDigits) {
    if (value == 0) {
        if (!std::isfinite(value)) throw ConversionFault("not a finite number");
        return "0";
    }
    const Decimal d = Decompose(value, significantDigits);
    if (d.exponent >= -4 && d.exponent < significantDigits) return Fixed(d, separator);
    std::string out = d.negative ? "-" : "";
    out += d.digits.front();
    if (d.digits.size() > 1) out += separator + d.digits.substr(1);
    const int e = d.exponent < 0 ? -d.exponent : d.exponent;
    out += d.exponent < 0 ? "E-" : "E+";
    if (e < 10) out += '0';
    out += std::to_string(e);
    return out;
}

std::string PlainNumberText(double value, char separator, int significantDigits) {
    if (value == 0) return NumberText(value, separator, significantDigits);
    return Fixed(Decompose(value, significantDigits), separator);
}

std::optional<double> ParseNumber(std::string_view text) {
    // Read in place (the converters read every number of every line): blanks around it and a
    // leading "+" are allowed, and either decimal separator.
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    std::string_view s = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    char copy[64];
    if (const size_t comma = s.find(','); comma != std::string_view::npos) {
        if (s.size() > sizeof copy) return std::nullopt;
        std::memcpy(copy, s.data(), s.size());
        copy[comma] = '.';
        s = std::string_view(copy, s.size());
    }
    double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double NumericValue(std::string_view text) {
    return ParseNumber(text).value_or(0.0);
}

int64_t IntOf(double value) {
    const double f = std::floor(value);
    if (!(f >= -9.2e18 && f <= 9.2e18)) throw ConversionFault("overflow");
    return static_cast<int64_t>(f);
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

int16_t RoundToInt16(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max()))
        throw ConversionFault("overflow");
    return static_cast<int16_t>(r);
}

float SaturatingFloat(double value) {
    if (!(value == value)) return 0;
    const double most = std::numeric_limits<float>::max();
    return static_cast<float>(value < -most ? -most : value > most ? most : value);
}

std::string IntText(int64_t value) {
    return std::to_string(value);
}

std::string IntTextOf(std::string_view numberText) {
    return IntText(IntOf(NumericValue(numberText)));
}

std::string WholeDegreesText(double degrees) {
    // Within the circle first: a wild value from outside is still a heading, not an overflow.
    int64_t whole = IntOf(std::fmod(degrees, 360.0) + 0.5) % 360;
    if (whole < 0) whole += 360;
    return IntText(whole);
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace flenmark
