#include "logbook/flight_summary.h"

#include <gtest/gtest.h>

namespace flenmark {
namespace {

// Taxi out at the field, take-off, a bounce (two touchdowns), a touch-and-go, the last landing
// and the stop; one torn line that is left out.
const char* const kLog[] = {
    "20090712143500:4,76000:52,30000:15:1:SA:0:0:0:0:0:150:-",
    "20090712143600:4,75000:52,29500:15:1::20:0:20:0:20:240:20090712143500",
    "20090712143700:4,74000:52,29000:600:0:TO=2:150:585:152:1500:150:240:20090712143600",
    "20090712144000:4,60000:52,25000:3500:0::180:3485:185:0:185:240:20090712143700",
    "20090712144:4,6",
    "20090712144500:4,74000:52,29000:15:1:TD=-150/2:120:0:121:0:120:240:20090712144000",
    "20090712144510:4,74500:52,29200:40:0:TO=2:125:25:126:300:125:240:20090712144500",
    "20090712144520:4,75000:52,29400:15:1:TD=-312/2:110:0:111:0:110:240:20090712144510",
    "20090712144700:4,76000:52,30000:15:1:SO:0:0:0:0:0:60:20090712144520",
};

TEST(FlightTracker, SummarisesARecordingRun) {
    FlightTracker tracker;
    for (const char* line : kLog) tracker.add(line);
    const AirportIndex airports =
        AirportIndex::FromText("EHAM\tA\t52.30860\t4.76389\tAmsterdam Airport Schiphol\n");
    const FlightSummary f = tracker.summary(&airports);
    EXPECT_EQ(f.startUtc, "2009-07-12T14:35:00Z");
    EXPECT_EQ(f.endUtc, "2009-07-12T14:47:00Z");
    EXPECT_EQ(f.blockTimeS, 12 * 60);
    EXPECT_EQ(f.airTimeS, 8 * 60 + 20);  // the first take-off to the last touchdown
    EXPECT_EQ(f.departure, "EHAM");
    EXPECT_EQ(f.departureName, "Amsterdam Airport Schiphol");
    EXPECT_EQ(f.arrival, "EHAM");
    EXPECT_EQ(f.maxAltitudeFt, 3500);
    EXPECT_EQ(f.touchdowns, 2);
    EXPECT_EQ(f.landingRateFpm, -312);
    EXPECT_EQ(f.landingRating, "Hard");
    EXPECT_NEAR(f.distanceNm, 13.27, 0.01);  // out 5.7 NM, back 5.7 NM, taxiing 1.9 NM
}

TEST(FlightTracker, AFlightThatBeginsAndEndsAloftHasNoAirports) {
    FlightTracker tracker;
    tracker.add("20090712143700:4,74000:52,29000:3000:0:SA:150:2985:152:0:150:240:-");
    tracker.add("20090712143800:4,70000:52,28000:3000:0::150:2985:152:0:150:240:20090712143700");
    const AirportIndex airports =
        AirportIndex::FromText("EHAM\tA\t52.30860\t4.76389\tAmsterdam Airport Schiphol\n");
    const FlightSummary f = tracker.summary(&airports);
    EXPECT_EQ(f.departure, "");
    EXPECT_EQ(f.arrival, "");
    EXPECT_EQ(f.airTimeS, 60);
    EXPECT_FALSE(f.landingRateFpm);
}

}  // namespace
}  // namespace flenmark
