#include "base/geodesy.h"

#include <gtest/gtest.h>

namespace flenmark {
namespace {

TEST(GreatCircleDistance, Edges) {
    EXPECT_EQ(GreatCircleDistanceNm(52, 4, 52, 4, false), 0);
    EXPECT_NEAR(GreatCircleDistanceNm(52, 4, 53, 4, false), 60.1, 0.05);
    // On the equator 90 degrees apart: a quarter of the circle.
    EXPECT_NEAR(GreatCircleDistanceNm(0, 0, 0, 90, false), 5409.69272219995, 0.01);
    // Beyond 90 degrees the angle folds back.
    EXPECT_NEAR(GreatCircleDistanceNm(0, 0, 0, 120, false), 60 * 60.1077, 1);
    EXPECT_GT(GreatCircleDistanceNm(0, 179.5, 0, -179.5, false), 59);  // across the date line
    EXPECT_LT(GreatCircleDistanceNm(0, 179.5, 0, -179.5, false), 61);
}

struct BearingCase {
    double lon, lat, bearing;
};

class BearingTest : public ::testing::TestWithParam<BearingCase> {};

TEST_P(BearingTest, FromFourFiftyTwo) {
    EXPECT_NEAR(BearingDeg(4, 52, GetParam().lon, GetParam().lat), GetParam().bearing, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Compass, BearingTest,
                         ::testing::Values(BearingCase{5, 52, 90}, BearingCase{3, 52, 270},
                                           BearingCase{4, 53, 0}, BearingCase{4, 51, 180},
                                           BearingCase{4, 52, 0}, BearingCase{5, 53, 45},
                                           BearingCase{5, 51, 135}, BearingCase{3, 51, 225},
                                           BearingCase{3, 53, 315}));

TEST(DegreesPerSecond, LatitudeAndLongitudeRates) {
    EXPECT_EQ(LatDegreesPerSecond(0, 4, 52), 0);
    EXPECT_NEAR(LatDegreesPerSecond(3600, 4, 52), 0.016637, 0.000002);
    EXPECT_EQ(LonDegreesPerSecond(0, 4, 52), 0);
    // A degree of longitude shrinks with the cosine of the latitude.
    const double equator = LonDegreesPerSecond(3600, 4, 0);
    EXPECT_NEAR(equator, 1.0 / 60.1, 0.0002);
    EXPECT_NEAR(LonDegreesPerSecond(3600, 4, 60), 2 * equator, 0.001);
    EXPECT_EQ(LonDegreesPerSecond(3600, 4, 90), 0);  // no eastward track at the pole
}

}  // namespace
}  // namespace flenmark
