#include "logbook/airports.h"

#include <gtest/gtest.h>

namespace flenmark {
namespace {

// A runway airport 4 km north of the point, a heliport 1 km east of it, a closed field beside
// the antimeridian and an airfield near the pole.
const char* const kPlaces =
    "# a comment line\n"
    "RWY4\tA\t52.33600\t4.76000\tFour Km Field\n"
    "HELI\tH\t52.30000\t4.77470\tHospital Heliport\r\n"
    "EAST\tC\t-16.00000\t179.99000\tClosed East\n"
    "WEST\tA\t-16.00000\t-179.99500\tWest Strip\n"
    "POLE\tA\t89.99000\t100.00000\tPole Camp\n"
    "BAD\tA\tnorth\t4.7\tNot a place\n";

TEST(AirportIndex, NearestPrefersARunwayWithinTheRadius) {
    const AirportIndex index = AirportIndex::FromText(kPlaces);
    EXPECT_EQ(index.size(), 5u);
    struct Case {
        double lat, lon, km;
        const char* expected;  // "" for none
    };
    const Case cases[] = {
        {52.3, 4.76, 5, "RWY4"},      // a runway 4 km away beats a heliport 1 km away
        {52.3, 4.80, 3, "HELI"},      // no runway that near: the heliport
        {52.3, 4.76, 0.5, ""},        // nothing that near
        {-16.0, 179.999, 5, "WEST"},  // across the antimeridian
        {-16.0, 179.999, 0.5, ""},   {89.995, -80.0, 5, "POLE"},  // over the pole
    };
    for (const Case& c : cases) {
        const Airport* a = index.nearest(c.lat, c.lon, c.km);
        EXPECT_EQ(a ? a->code : "", c.expected) << c.lat << " " << c.lon << " " << c.km;
    }
}

TEST(AirportIndex, TheStandInsFieldIsSchiphol) {
    const auto index = AirportIndex::Load(FLENMARK_RESOURCES_DIR "/Airports.txt");
    ASSERT_TRUE(index);
    EXPECT_GT(index->size(), 40000u);
    const Airport* a = index->nearest(52.3, 4.76, 5);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->code, "EHAM");
    EXPECT_EQ(a->name, "Amsterdam Airport Schiphol");
}

}  // namespace
}  // namespace flenmark
