#include "kml/kml_values.h"

#include <cstdio>

#include "app/number_text.h"
#include "platform/clock.h"

namespace flenmark {

LogFields::LogFields(std::string_view line) {
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

std::string MetresText(std::string_view feet) {
    const auto value = ParseNumber(feet);
    if (!value) throw ConversionFault("altitude is not a number");
    return KmlNumber(*value * 0.3048);
}

std::string XmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
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
    const DateTime next = FromEpochSeconds(*seconds + 1);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d%02d", next.year % 10000, next.month,
                  next.day, next.hour, next.minute, next.second);
    return buffer;
}

bool StartsRecordingRun(std::string_view line) {
    return !line.empty() && line.back() == '-';
}

}  // namespace flenmark
