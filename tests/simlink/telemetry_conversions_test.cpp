#include "simlink/telemetry_conversions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/number_text.h"

namespace flenmark {
namespace {

// Raw values for a wanted physical value, in the simulator's encodings.
int64_t RawLatitude(double deg) {
    return std::llround(deg * 10001750.0 * 65536.0 * 65536.0 / 90.0);
}
int64_t RawAltitude(double feet) {
    return std::llround(feet / 3.28084 * 4294967296.0);
}

TEST(Coordinates, FifteenDigitsThenAtMostThirteenDecimalsAndHalfTheLongitudeRangeEastOrWest) {
    const int64_t raw = RawLatitude(52.30876500000123);
    EXPECT_EQ(LatitudeText(raw, ','), "52,3087650000012");
    EXPECT_EQ(LatitudeText(raw, '.'), "52.3087650000012");
    EXPECT_EQ(LatitudeText(-raw, '.'), "-52.3087650000012");
    EXPECT_EQ(LatitudeText(0, '.'), "0");
    EXPECT_EQ(LongitudeText(INT64_C(1) << 62, '.'), "90");
    EXPECT_EQ(LongitudeText(INT64_MIN, '.'), "-180");
}

struct CutCase {
    const char* in;
    const char* out;
};

class CoordinateCutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CoordinateCutTest, CutsWithoutRounding) {
    EXPECT_EQ(CutCoordinateText(GetParam().in, '.'), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoordinateCutTest,
    ::testing::Values(CutCase{"4.76432123456789", "4.7643212345678"}, CutCase{"52.3", "52.3"},
                      CutCase{"12345678901234567", "1234567890123"},
                      // negative exponents are written out as plain decimals before the cut
                      CutCase{"1.23456789012345E-05", "0.0000123456789"},
                      CutCase{"-5E-07", "-0.0000005"}));

struct AltCase {
    double feet;
    const char* text;
};

class AltitudeTest : public ::testing::TestWithParam<AltCase> {};

TEST_P(AltitudeTest, WholeFeetTruncatedTowardZero) {
    EXPECT_EQ(AltitudeText(RawAltitude(GetParam().feet)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, AltitudeTest,
                         ::testing::Values(AltCase{-12.7, "-12"}, AltCase{1500.99, "1500"},
                                           AltCase{0, "0"}, AltCase{-0.5, "0"},
                                           AltCase{35000.2, "35000"}));

TEST(Heading, NegativeAnglesWrapIntoACircle) {
    EXPECT_EQ(HeadingText(INT32_MIN, '.'), "180");
    const double justBelow = NumericValue(HeadingText(-1, '.'));
    EXPECT_LT(justBelow, 360.0);
    EXPECT_GT(justBelow, 359.9999);
    EXPECT_EQ(HeadingText(1 << 30, ','), "90");
}

TEST(Speeds, GroundVerticalAndLastAirborneVerticalSpeed) {
    // 1852 m/h is one knot: 1852/3600 m/s x 65536.
    EXPECT_EQ(GroundSpeedText(65536, '.'), "1.9438444924406");  // 1 m/s
    EXPECT_EQ(VerticalSpeedText(256, '.'), "196.8504");
    EXPECT_EQ(VerticalSpeedText(-256, ','), "-196,8504");
    EXPECT_THROW(VerticalSpeedText(INT32_MAX / 59, '.'), ConversionFault);
    EXPECT_NO_THROW(VerticalSpeedText(INT32_MAX / 60, '.'));
    // The last airborne vertical speed falls back to the current one when it is below 1.
    EXPECT_EQ(LastAirVerticalSpeedText(-400, "12"), "-308");   // Int(-307.58)
    EXPECT_EQ(LastAirVerticalSpeedText(1, "-480,3"), "-481");  // Int(0.77) is 0: current VS
    EXPECT_EQ(LastAirVerticalSpeedText(0, "-480,3"), "-481");
}

struct DiscreteCase {
    int32_t raw;
    const char* gear;
    int16_t flaps;
    int16_t spoilers;
};

class DiscreteTest : public ::testing::TestWithParam<DiscreteCase> {};

TEST_P(DiscreteTest, GearFlapsAndSpoilers) {
    const DiscreteCase& c = GetParam();
    EXPECT_EQ(GearText(c.raw), c.gear);
    EXPECT_EQ(FlapsPercent(c.raw), c.flaps);
    EXPECT_EQ(SpoilersDeployed(c.raw), c.spoilers);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiscreteTest,
    ::testing::Values(DiscreteCase{0, "0", 0, 0}, DiscreteCase{8191, "0", 50, 0},
                      DiscreteCase{8192, "0", 50, 1}, DiscreteCase{16382, "0", 100, 1},
                      DiscreteCase{16383, "1", 100, 1}, DiscreteCase{-16383, "-1", -100, -1}));

TEST(Discrete, OverflowingValuesAreConversionFaults) {
    EXPECT_THROW(FlapsPercent(INT32_MAX), ConversionFault);
    EXPECT_THROW(SpoilersDeployed(INT32_MAX), ConversionFault);
    EXPECT_THROW(TailhookDown(std::nan("")), ConversionFault);
    EXPECT_EQ(TailhookDown(0.5), 0);
    EXPECT_EQ(TailhookDown(0.51), 1);
}

struct LocCase {
    uint8_t byte;
    int locInt;
    bool captured;
};

class LocalizerTest : public ::testing::TestWithParam<LocCase> {};

TEST_P(LocalizerTest, CaptureBandExcludesItsLimits) {
    EXPECT_EQ(LocalizerCaptured(GetParam().byte, GetParam().locInt), GetParam().captured);
}

INSTANTIATE_TEST_SUITE_P(Cases, LocalizerTest,
                         ::testing::Values(LocCase{0x80, 100, false}, LocCase{0x81, 100, true},
                                           LocCase{0, 50, true}, LocCase{63, 50, true},
                                           LocCase{64, 50, false}, LocCase{0xC1, 50, true},
                                           LocCase{0xC0, 50, false}, LocCase{0, 0, false}));

struct GsCase {
    uint8_t byte;
    int gsInt;
    int16_t needle;
    int16_t state;
};

class GlideslopeTest : public ::testing::TestWithParam<GsCase> {};

TEST_P(GlideslopeTest, BandUses118BelowAnd119Above) {
    const GlideslopeReading r = GlideslopeBand(GetParam().byte, GetParam().gsInt);
    EXPECT_EQ(r.needle, GetParam().needle);
    EXPECT_EQ(r.state, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Cases, GlideslopeTest,
                         ::testing::Values(GsCase{0x78, 50, -136, 0}, GsCase{119, 100, 119, 2},
                                           GsCase{118, 100, 118, 1}, GsCase{60, 50, 60, 2},
                                           GsCase{59, 50, 59, 1}, GsCase{0xC5, 50, -59, 0},
                                           GsCase{0xC6, 50, -58, 1}, GsCase{0, 50, 0, 1}));

TEST(HeightAboveGround, GroundReferenceIsTakenWhileStandingAndUsedInFlight) {
    float offset = 0;
    // Parked with the reference point 5 ft above a 100 ft terrain.
    const std::string parked = HeightAboveGroundText(105, 100, true, offset, '.');
    EXPECT_EQ(IntOf(NumericValue(parked)), 0);
    EXPECT_FLOAT_EQ(offset, 5);
    EXPECT_EQ(HeightAboveGroundText(1105, 100, false, offset, '.'), "1000");
    EXPECT_EQ(HeightAboveGroundText(90, 100, false, offset, '.'), "0");
}

}  // namespace
}  // namespace flenmark
