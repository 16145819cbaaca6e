#include "kml/track_store.h"

#include <gtest/gtest.h>

#include <sstream>

#include "kml/time_tracks.h"

namespace flenmark {
namespace {

// Many tracks growing side by side, with a budget so small that their lists go to the file in
// many pieces: each list reads back whole and in order.
TEST(TrackStore, ListsComeBackWholeAndInOrderWhateverGoesAside) {
    for (const size_t budget : {size_t{1}, size_t{50}, size_t{1} << 20}) {
        TrackStore store(2, budget);
        std::vector<std::string> expected(2 * 30);
        for (int t = 0; t < 30; ++t) store.addTrack();
        for (int round = 0; round < 20; ++round) {
            for (size_t t = 0; t < 30; t += 1 + round % 3) {
                for (size_t list = 0; list < 2; ++list) {
                    const std::string text = "<" + std::to_string(t) + ":" +
                                             std::to_string(list) + ":" + std::to_string(round) + ">";
                    store.append(t, list, text);
                    expected[t * 2 + list] += text;
                }
            }
        }
        for (size_t t = 0; t < 30; ++t) {
            for (size_t list = 0; list < 2; ++list) {
                std::ostringstream out;
                store.copyTo(out, t, list);
                EXPECT_EQ(out.str(), expected[t * 2 + list]) << budget << " " << t;
            }
        }
    }
}

// However many aircraft a flight meets, the time tracks keep a bounded number of them.
TEST(TimeTracks, TrafficBeyondTheLimitGetsNoTrack) {
    TimeTracks tracks;
    for (size_t id = 1; id <= TimeTracks::kMaxTrafficTracks + 5; ++id)
        tracks.trafficLine(LogFields("20090712143500:" + std::to_string(id) +
                                     ":52.3:4.7:1000:90:250:C" + std::to_string(id) +
                                     ":0:1:+5:20090712143459"));
    std::ostringstream out;
    tracks.writeTo(out, true);
    const std::string kml = out.str();
    EXPECT_TRUE(tracks.trafficCut());
    size_t placemarks = 0;
    for (size_t at = kml.find("#tcasBlue"); at != std::string::npos; at = kml.find("#tcasBlue", at + 1))
        ++placemarks;
    EXPECT_EQ(placemarks, TimeTracks::kMaxTrafficTracks);
    EXPECT_NE(kml.find("<name>C10000</name>"), std::string::npos);
    EXPECT_EQ(kml.find("<name>C10001</name>"), std::string::npos);
}

}  // namespace
}  // namespace flenmark
