#include "base/utc_time.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::FakeClock;

struct ZoneCase {
    const char* name;
    int zoneOffsetMinutes;
    DateTime utc;
    const char* hhmm;
    const char* stamp;
};

class UtcClockTest : public ::testing::TestWithParam<ZoneCase> {};

// Whatever the local zone (half-hour zones and around midnight included), the clock and the
// stamps are true UTC.
TEST_P(UtcClockTest, ClockAndStampAreUtcInEveryZone) {
    const ZoneCase& c = GetParam();
    FakeClock clock;
    clock.setUtc(c.utc);
    clock.setZoneOffsetMinutes(c.zoneOffsetMinutes);
    EXPECT_EQ(GetUtcHHMM(clock.utcNow()), c.hhmm);
    EXPECT_EQ(StampText(clock.utcNow()), c.stamp);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zones, UtcClockTest, ::testing::Values(
    ZoneCase{"CentralEuropeSummer", 120, {2009, 7, 12, 14, 20, 5}, "1420", "20090712142005"},
    ZoneCase{"India", 330, {2009, 7, 12, 6, 30, 0}, "0630", "20090712063000"},
    ZoneCase{"Hawaii", -600, {2009, 7, 12, 22, 0, 59}, "2200", "20090712220059"},
    ZoneCase{"IndiaBeforeLocalMidnight", 330, {2009, 7, 12, 18, 27, 0}, "1827", "20090712182700"},
    ZoneCase{"IndiaAfterLocalMidnight", 330, {2009, 7, 12, 18, 33, 0}, "1833", "20090712183300"},
    ZoneCase{"HawaiiBeforeUtcMidnight", -600, {2009, 7, 12, 23, 58, 0}, "2358", "20090712235800"},
    ZoneCase{"HawaiiAfterUtcMidnight", -600, {2009, 7, 13, 0, 2, 0}, "0002", "20090713000200"},
    ZoneCase{"YearEnd", 60, {2009, 12, 31, 23, 59, 59}, "2359", "20091231235959"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(CorrectDatumTijd, TurnsAStampIntoDayMonthYearAndTimeAndShortInputIntoAShortResult) {
    EXPECT_EQ(CorrectDatumTijd("20090712143507"), "12-07-2009 14:35");
    EXPECT_EQ(CorrectDatumTijd(""), "-- :");
    EXPECT_NO_THROW(CorrectDatumTijd("2009"));
    EXPECT_FALSE(ParseDayMonthYearTime(CorrectDatumTijd("2009")));
}

TEST(ParseDayMonthYearTime, RejectsImpossibleDates) {
    EXPECT_TRUE(ParseDayMonthYearTime("12-07-2009 14:35"));
    EXPECT_FALSE(ParseDayMonthYearTime("31-02-2009 14:35"));
    EXPECT_FALSE(ParseDayMonthYearTime("12-13-2009 14:35"));
    EXPECT_FALSE(ParseDayMonthYearTime("12-07-2009 24:00"));
    EXPECT_FALSE(ParseDayMonthYearTime("ab-07-2009 14:35"));
}

}  // namespace
}  // namespace flenmark
