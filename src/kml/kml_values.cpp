#include "kml/kml_values.h"

#include <charconv>
#include <cmath>

#include "base/date_time.h"
#include "base/number_text.h"
#include "base/utc_time.h"

namespace flenmark {

LogFields::LogFields(std::string_view line) {
    fields_.reserve(13);  // a log line's fields; traffic lines have twelve
    size_t start = 0;
    for (;;) {
        const size_t colon = line.find(':', start);
        fields_.emplace_back(line.substr(start, colon - start));
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
}

const std::string& LogFields::operator[](int number) const {
    static const std::string kEmpty;
    return number >= 1 && static_cast<size_t>(number) <= fields_.size() ? fields_[number - 1]
                                                                        : kEmpty;
}

std::string KmlCoordinate(std::string_view field) {
    std::string out(field);
    const size_t comma = out.find(',');
    if (comma != std::string::npos) out[comma] = '.';
    return out;
}

std::string KmlNumber(double value) {
    return PlainNumberText(value, '.', 15);
}

namespace {

// True when `text` is what KmlNumber writes for the value it holds: a plain decimal without
// leading zeros or trailing zeros after the point, at most 15 significant digits (which a double
// gives back unchanged), and no minus before a zero.
bool IsKmlNumberForm(std::string_view text) {
    if (text.empty() || text.size() > 40) return false;
    const size_t sign = text.front() == '-' ? 1 : 0;
    const size_t point = text.find('.');
    const std::string_view whole =
        text.substr(sign, point == std::string_view::npos ? point : point - sign);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(whole) || (whole.size() > 1 && whole.front() == '0')) return false;
    if (point != std::string_view::npos && (!digits(fraction) || fraction.back() == '0'))
        return false;
    int digit = 0, first = -1, last = -1;  // significant digits: first to last that is not 0
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        if (c != '0') {
            if (first < 0) first = digit;
            last = digit;
        }
        ++digit;
    }
    if (first < 0) return text == "0";
    return last - first < 15;
}

}  // namespace

std::string KmlNumberOf(std::string_view field) {
    if (IsKmlNumberForm(field)) return std::string(field);
    const auto value = ParseNumber(field);
    if (!value) throw ConversionFault("not a number");
    return KmlNumber(*value);
}

std::string KmlDegrees(double value) {
    if (!std::isfinite(value)) throw ConversionFault("not a finite number");
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 7);
    std::string out(text, end.ptr);
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
    return out == "-0" ? "0" : out;
}

std::string MetresText(std::string_view feet) {
    const auto value = ParseNumber(feet);
    if (!value) throw ConversionFault("altitude is not a number");
    return KmlNumber(*value * 0.3048);
}

namespace {

// The length of the UTF-8 sequence at the start of `s`, 0 when it is not a valid one.
size_t Utf8Length(std::string_view s) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char first = b(0);
    const size_t n = first < 0x80         ? 1
                     : (first >> 5) == 6  ? 2
                     : (first >> 4) == 14 ? 3
                     : (first >> 3) == 30 ? 4
                                          : 0;
    if (n == 0 || n > s.size() || (n == 2 && first < 0xC2)) return 0;
    for (size_t i = 1; i < n; ++i)
        if ((b(i) & 0xC0) != 0x80) return 0;
    if (n == 3 && ((first == 0xE0 && b(1) < 0xA0) || (first == 0xED && b(1) >= 0xA0))) return 0;
    if (n == 4 &&
        ((first == 0xF0 && b(1) < 0x90) || first > 0xF4 || (first == 0xF4 && b(1) >= 0x90)))
        return 0;
    return n;
}

}  // namespace

std::string XmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        // What XML cannot hold is left out: control characters and bytes that are not UTF-8.
        const size_t n = Utf8Length(text);
        const char c = text.front();
        if (n > 1) out.append(text.substr(0, n));
        if (n == 0 || n > 1 || (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) {
            text.remove_prefix(n == 0 ? 1 : n);
            continue;
        }
        text.remove_prefix(1);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

namespace {

std::string_view Part(std::string_view s, size_t from, size_t count) {
    return from < s.size() ? s.substr(from, count) : std::string_view();
}

void RequireStamp(std::string_view stamp) {
    if (stamp.size() != 14) throw ConversionFault("a stamp has 14 digits");
    for (char c : stamp)
        if (c < '0' || c > '9') throw ConversionFault("a stamp has 14 digits");
}

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) out += p;
    return out;
}

}  // namespace

std::string StampDateTime(std::string_view s) {
    RequireStamp(s);
    return Join({Part(s, 0, 4), "-", Part(s, 4, 2), "-", Part(s, 6, 2), "T", Part(s, 8, 2), ":",
                 Part(s, 10, 2), ":", Part(s, 12, 2), "Z"});
}

std::string StampDisplayName(std::string_view s) {
    RequireStamp(s);
    return Join({Part(s, 0, 4), "-", Part(s, 4, 2), "-", Part(s, 6, 2), " ", Part(s, 8, 2), ":",
                 Part(s, 10, 2), ":", Part(s, 12, 2), "z"});
}

std::string StampDate(std::string_view s) {
    return Join({Part(s, 6, 2), "-", Part(s, 4, 2), "-", Part(s, 0, 4)});
}

std::string StampTime(std::string_view s) {
    return Join({Part(s, 8, 2), ":", Part(s, 10, 2), ":", Part(s, 12, 2)});
}

std::optional<int64_t> StampSeconds(std::string_view s) {
    if (s.size() != 14) return std::nullopt;
    for (char c : s)
        if (c < '0' || c > '9') return std::nullopt;
    auto number = [&](size_t from, size_t count) {
        int v = 0;
        for (size_t i = from; i < from + count; ++i) v = v * 10 + (s[i] - '0');
        return v;
    };
    return ToEpochSeconds(
        {number(0, 4), number(4, 2), number(6, 2), number(8, 2), number(10, 2), number(12, 2)});
}

std::string StampPlusOneSecond(std::string_view s) {
    const auto seconds = StampSeconds(s);
    if (!seconds) throw ConversionFault("a stamp has 14 digits");
    return StampText(FromEpochSeconds(*seconds + 1));
}

namespace {

// Field 6 of a log line, the code; empty when the line has fewer fields.
std::string_view CodeField(std::string_view line) {
    size_t start = 0;
    for (int field = 1; field < 6; ++field) {
        start = line.find(':', start);
        if (start == std::string_view::npos) return {};
        ++start;
    }
    return line.substr(start, line.find(':', start) - start);
}

}  // namespace

bool StartsRecordingRun(std::string_view line) {
    if (!line.empty() && line.back() == '-') return true;
    const std::string_view code = CodeField(line);
    return code == "SA" || code.substr(0, 3) == "SA=";
}

bool EndsRecordingRun(std::string_view line) {
    return CodeField(line) == "SO";
}

}  // namespace flenmark
