#include "base/utc_time.h"

#include <cctype>
#include <cstdio>

namespace flenmark {
namespace {

std::string TwoDigits(int v) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", v % 100);
    return buffer;
}

// Characters [from, from + count) that exist, as a substring function that never fails.
std::string Mid(const std::string& s, size_t from, size_t count) {
    if (from >= s.size()) return {};
    return s.substr(from, count);
}

bool ReadNumber(const std::string& text, size_t from, size_t count, int& out) {
    if (from + count > text.size()) return false;
    out = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::string GetUtcHHMM(const DateTime& t) {
    return TwoDigits(t.hour) + TwoDigits(t.minute);
}

std::string StampText(const DateTime& t) {
    // Written digit by digit: the converters make one for every traffic line.
    std::string out;
    out.reserve(14);
    const auto put = [&out](int value, int digits) {
        char text[4];
        for (int i = digits - 1; i >= 0; --i, value /= 10) text[i] = char('0' + value % 10);
        out.append(text, static_cast<size_t>(digits));
    };
    put(t.year % 10000, 4);
    for (int part : {t.month, t.day, t.hour, t.minute, t.second}) put(part % 100, 2);
    return out;
}

std::string CorrectDatumTijd(const std::string& stamp) {
    const std::string lastSix = stamp.size() > 6 ? stamp.substr(stamp.size() - 6) : stamp;
    return Mid(stamp, 6, 2) + "-" + Mid(stamp, 4, 2) + "-" + Mid(stamp, 0, 4) + " " +
           Mid(lastSix, 0, 2) + ":" + Mid(lastSix, 2, 2);
}

std::optional<int64_t> ParseDayMonthYearTime(const std::string& text) {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
    if (text.size() != 16 || text[2] != '-' || text[5] != '-' || text[10] != ' ' || text[13] != ':')
        return std::nullopt;
    if (!ReadNumber(text, 0, 2, day) || !ReadNumber(text, 3, 2, month) ||
        !ReadNumber(text, 6, 4, year) || !ReadNumber(text, 11, 2, hour) ||
        !ReadNumber(text, 14, 2, minute))
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59) return std::nullopt;
    const DateTime probe = FromEpochSeconds(DaysFromCivil(year, month, day) * 86400);
    if (probe.day != day || probe.month != month) return std::nullopt;  // 31-02, say
    return DaysFromCivil(year, month, day) * 1440 + hour * 60 + minute;
}

std::string ClockLabel(const DateTime& t) {
    return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + "z";
}

std::string NextClockLabel(const std::string& current, const DateTime& t) {
    if (current.size() > 2 && current[2] == ':')
        return TwoDigits(t.hour) + " " + TwoDigits(t.minute) + "z";
    return ClockLabel(t);
}

}  // namespace flenmark
