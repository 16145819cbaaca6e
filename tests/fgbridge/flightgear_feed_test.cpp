// The bridge's reading of FlightGear: fresh for every tick of the recorder, whatever the
// traffic takes, and at once when asked.
#include "fgbridge/flightgear_feed.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace flenmark::fgbridge {
namespace {

using std::chrono::milliseconds;

// Waits up to two seconds for `done`.
template <class Done>
bool Within2s(Done done) {
    for (int i = 0; i < 200 && !done(); ++i) std::this_thread::sleep_for(milliseconds(10));
    return done();
}

// A FlightGear whose aircraft takes 300 ms to read (its latitude counts the readings) and whose
// traffic takes 1.5 s, as a busy sky's does: a tick each second finds a newer aircraft each time.
TEST(FlightGearFeed, EveryTickFindsAFreshReadingWhateverTheTrafficTakes) {
    std::atomic<int> readings{0};
    FlightGearFeed feed({[&](simhost::FlightState& s) {
                             std::this_thread::sleep_for(milliseconds(300));
                             s.latDeg = ++readings;
                             return FlightGearRead::Read;
                         },
                         [](simhost::FlightState&) {
                             std::this_thread::sleep_for(milliseconds(1500));
                             return FlightGearRead::Read;
                         }},
                        [](FlightGearRead) {});
    simhost::FlightState s;
    FlightGearFeed::Clock::time_point readAt;
    double before = 0;
    for (int tick = 1; tick <= 3; ++tick) {
        std::this_thread::sleep_for(milliseconds(1000));
        ASSERT_TRUE(feed.take(s, readAt)) << "tick " << tick;
        EXPECT_GT(s.latDeg, before) << "tick " << tick;
        before = s.latDeg;
    }
}

TEST(FlightGearFeed, ReadsAtOnceWhenAsked) {
    std::atomic<int> readings{0};
    FlightGearFeed feed({[&](simhost::FlightState&) {
                             ++readings;
                             return FlightGearRead::Read;
                         },
                         [](simhost::FlightState&) { return FlightGearRead::Read; }},
                        [](FlightGearRead) {}, {std::chrono::hours(1), std::chrono::hours(1)});
    ASSERT_TRUE(Within2s([&] { return readings == 1; }));
    feed.askNow();
    EXPECT_TRUE(Within2s([&] { return readings == 2; }));
}

}  // namespace
}  // namespace flenmark::fgbridge
