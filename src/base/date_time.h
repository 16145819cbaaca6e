#pragma once

#include <cstdint>

namespace flenmark {

// A broken-down calendar time, seconds resolution.
struct DateTime {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTime&) const = default;
};

// Days since 1970-01-01 of a proleptic Gregorian date (negative before).
int64_t DaysFromCivil(int year, int month, int day);

// Seconds since 1970-01-01 00:00:00 of a calendar time taken as UTC.
int64_t ToEpochSeconds(const DateTime& t);

// The calendar time of seconds since 1970-01-01 00:00:00 UTC.
DateTime FromEpochSeconds(int64_t seconds);

}  // namespace flenmark
