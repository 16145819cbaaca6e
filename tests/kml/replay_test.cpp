#include <gtest/gtest.h>

#include "base/settings.h"
#include "kml/kml_test_support.h"
#include "kml/replay_parts.h"

namespace flenmark {
namespace {

using testing::CompactTemplates;
using testing::Count;
using testing::LogLine;

const KmlTemplateSet kT = CompactTemplates();
const Settings kS;

std::string Frames(const std::vector<std::string>& animation, const std::vector<std::string>& log) {
    std::string out;
    AnimationFramesKml(kT, kS, animation, log, out);
    return out;
}

std::string Traffic(const Settings& s, const std::vector<std::string>& lines) {
    std::string out;
    TrafficKml(kT, s, lines, out);
    return out;
}

std::string L(const char* stamp, const char* lon, const char* alt, int ground, const char* code) {
    return LogLine(stamp, lon, lon, alt, ground, code, "x");
}

struct FrameCase {
    const char* name;
    std::vector<std::string> animation, log;
    std::vector<std::string> expected;  // pieces of the frames, in order
};

class AnimationFramesTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(AnimationFramesTest, HoldTheirPieces) {
    const std::string frames = Frames(GetParam().animation, GetParam().log);
    size_t at = 0;
    for (const std::string& piece : GetParam().expected) {
        at = frames.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece << "\nin " << frames;
    }
}

const char* kT1 = "20090712143500";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AnimationFramesTest, ::testing::Values(
    // A span runs from the second after the previous frame to its own; the first frame's and an
    // equal stamp's span is their own second: a span never begins after its end.
    FrameCase{"Spans", {L("20090712143507", "4", "1000", 0, ""), L("20090712143509", "4", "1000", 0, ""), L("20090712143509", "4", "1000", 0, "")},
              {L("20090712143500", "4", "1000", 0, "SA")},
              {"<name>2009-07-12 14:35:07z</name><TimeSpan><begin>2009-07-12T14:35:07Z</begin><end>2009-07-12T14:35:07Z</end>",
               "<begin>2009-07-12T14:35:08Z</begin><end>2009-07-12T14:35:09Z</end>",
               "<begin>2009-07-12T14:35:09Z</begin><end>2009-07-12T14:35:09Z</end>"}},
    FrameCase{"Midnight", {L("20091231235959", "4", "0", 1, ""), L("20100101000001", "4", "0", 1, "")}, {L("20091231235959", "4", "0", 1, "")},
              {"<begin>2010-01-01T00:00:00Z</begin><end>2010-01-01T00:00:01Z</end>"}},
    FrameCase{"TrailFromTheLastLoggedPoint", {L("20090712143507", "9", "0", 0, "")},
              {L(kT1, "1", "0", 0, "SA"), L("20090712143505", "2", "0", 0, ""), L("20090712143510", "3", "0", 0, "")},
              {"{F:FlightLog 12-07-2009 14:35 Type>check<}[P:<name>In the air</name> 2,2,0 9,9,0 /]{/F}"}},
    FrameCase{"BeforeTheLogTheAircraftAlone", {L("20090712143507", "9", "0", 0, "")},
              {L("20090712150000", "1", "0", 0, "SA"), L("20090712150005", "2", "0", 0, "")},
              {"{F:FlightLog 12-07-2009 14:35 Type>check<}{/F}[pp:"}},  // one point makes no line
    FrameCase{"GroundChange", {L("20090712143505", "9", "0", 1, "")},
              {L(kT1, "1", "100", 0, "SA"), L("20090712143510", "2", "0", 1, "")},
              {"[P:<name>In the air</name> 1,1,30.48 9,9,0 /]{/F}"}},  // no empty ground piece
    // A warning on the trail starts a warning piece, and carries into the next frame.
    FrameCase{"Warning", {L("20090712143505", "9", "0", 0, ""), L("20090712143506", "8", "0", 0, "")},
              {L(kT1, "1", "0", 0, "SA"), L("20090712143501", "2", "0", 0, "S"), L("20090712143510", "3", "0", 0, "")},
              {"[P:<name>In the air</name> 2,2,0 2,2,0 /][W:<name>Stall!!</name> 2,2,0 9,9,0 /]", "[W:<name>Stall!!</name> 2,2,0 8,8,0 /]"}},
    // Due north at 360 knots for 10 seconds: one nautical mile, a sixtieth of a degree.
    FrameCase{"PredictedInTheAir", {"20090712143507:4:52:1000:0::300:600:310:600:360:0:x"}, {"20090712143507:4:52:1000:0::300:600:310:600:360:0:x"},
              {"[pp:<name>Predicted Flightpath</name> 4,52,304.8 4,52.0166", ",335.28/]",
               "<name>Your aircraft: alt=1000 spd=360 hdg=0</name>(A 52 4 52 4 0 1220 <altitudeMode>absolute</altitudeMode> <altitudeMode>absolute</altitudeMode> ,304.8)"}},
    FrameCase{"PredictedOnTheGround", {"20090712143507:4:52:10:1::0:0:0:0:0:90:x"}, {"20090712143507:4:52:10:1::0:0:0:0:0:90:x"},
              {"[ppg:<name>Predicted Flightpath</name> 4,52 4,52/]",
               "(A 52 4 52 4 90 400 <altitudeMode>clampToGround</altitudeMode> <altitudeMode>clampToGround</altitudeMode> )"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(EventPlacemarks, BoundaryOfTwoRunsAndBeginOnlySpans) {
    const std::vector<std::string> log = {LogLine("20090712143500", "1", "1", "0", 1, "SA", "-"),
                                          LogLine("20090712143501", "2", "2", "0", 1, "", "x"),
                                          LogLine("20090712150000", "3", "3", "0", 1, "SA", "-")};
    const std::string out = EventPlacemarksKml(kT, log);
    EXPECT_EQ(out.rfind("{F:Special placemarks Type>check<}", 0), 0u);
    const size_t dot =
        out.find("<name>15:00:00</name><TimeSpan><begin>2009-07-12T15:00:00Z</begin></TimeSpan>(d ");
    const size_t stop = out.find(
        "<name>Stop log</name><description>Event: The log was stopped at this point.</description>"
        "<TimeSpan><begin>2009-07-12T14:35:01Z</begin></TimeSpan>");
    const size_t start = out.find("<TimeSpan><begin>2009-07-12T15:00:00Z</begin></TimeSpan>(E Event: You");
    ASSERT_NE(dot, std::string::npos);
    ASSERT_NE(stop, std::string::npos);
    ASSERT_NE(start, std::string::npos);
    EXPECT_LT(dot, stop);
    EXPECT_LT(stop, start);
    EXPECT_EQ(Count(out, "Stop log"), 1u);  // the last line is not stopped here
}

TEST(EventPlacemarks, FolderIsOpenedEvenWhenTheFirstLineHasNoCode) {
    const std::string out =
        EventPlacemarksKml(kT, {LogLine("20090712143500", "1", "1", "0", 0, "", "x")});
    EXPECT_EQ(out.rfind("{F:Special placemarks", 0), 0u);
    EXPECT_EQ(Count(out, "{F:"), 1u);
}

TEST(HistoryPath, GrowsPieceByPieceWithBeginOnlySpans) {
    const std::vector<std::string> log = {LogLine("20090712235958", "1", "1", "1000", 0, "SA", "-"),
                                          LogLine("20090712235959", "2", "2", "0", 1, "O", "x"),
                                          LogLine("20090713000005", "3", "3", "0", 0, "", "x")};
    const std::string out = HistoryPathKml(kT, log);
    EXPECT_EQ(
        out,
        "{F:History Path Type>check<}"
        "[P:<name>12-07-2009 23:59</name><TimeSpan><begin>2009-07-12T23:59:59Z</begin></TimeSpan> "
        "1,1,304.8 1,1,304.8/]"
        "[P:<name>12-07-2009 23:59</name><TimeSpan><begin>2009-07-13T00:00:00Z</begin></TimeSpan> "
        "1,1,304.8 2,2,0/]"
        "[G:<name>13-07-2009 00:00</name><TimeSpan><begin>2009-07-13T00:00:06Z</begin></TimeSpan> "
        "2,2 3,3/]"
        "{/F}");
}

// A stall or an overspeed colours the pieces after it until the recovery.
TEST(HistoryPath, WarningsColourTheFollowingPieces) {
    for (const char* warning : {"S", "O"}) {
        const std::vector<std::string> log = {
            LogLine("20090712120000", "1", "1", "1000", 0, "SA", "-"),
            LogLine("20090712120001", "2", "2", "1000", 0, warning, "x"),
            LogLine("20090712120002", "3", "3", "1000", 0, "", "x")};
        EXPECT_NE(HistoryPathKml(kT, log).find("[W:<name>Warning!</name>"), std::string::npos)
            << warning;
    }
}

TEST(TrafficReplay, ClassesSpansAndPrediction) {
    Settings s;
    const std::vector<std::string> lines = {
        "20090712143559:1:52:4:1000:180:0:ABC:0:3:+2:20090712143558",
        "20090712143559:2:52.1:4.1:2000:180:360:DEF:600:4:-3:20090712143558",
        "20090712143601:1:52:4:1000:180:0:ABC:0:1:+2:20090712143600",
        "20090712143602::52:4:1000:180:0:GHI:0:1:+2:20090712143601"};
    const std::string out = Traffic(s, lines);
    // A frame's aircraft share a folder carrying the frame's span; two seconds later the next
    // frame joins without a gap.
    EXPECT_NE(out.find("<Folder><name>2009-07-12 14:35:59z</name><TimeSpan><begin>2009-07-12T14:35:"
                       "59Z</begin><end>2009-07-12T14:35:59Z</end></TimeSpan><styleUrl>#frame</"
                       "styleUrl>[orange:<name>Predicted Flightpath ABC ;Close</name>"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find(")[red:<name>Predicted Flightpath DEF ;Too close</name>"), std::string::npos);
    // Zero speed, level: the prediction stays put.
    EXPECT_NE(out.find("4,52,304.8 4,52,304.8/]"), std::string::npos);
    EXPECT_NE(out.find(")</Folder><Folder><name>2009-07-12 14:36:01z</name><TimeSpan><begin>2009-"
                       "07-12T14:36:00Z</begin><end>2009-07-12T14:36:01Z</end></TimeSpan><styleUrl>"
                       "#frame</styleUrl>[blue:<name>Predicted Flightpath ABC</name>"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.substr(out.size() - 9), "</Folder>");
    EXPECT_EQ(out.find("GHI"), std::string::npos);  // no object id
    // DEF flies north (its stored heading is turned by 180): ten seconds at 360 kt ahead.
    const size_t def = out.find("4.1,52.1,609.6 ");
    ASSERT_NE(def, std::string::npos);
    const std::string predicted = out.substr(def + 15, out.find(' ', def + 15) - def - 15);
    EXPECT_NEAR(std::stod(predicted.substr(predicted.find(',') + 1)), 52.1 + 0.1 * 10 / 60.1, 1e-3)
        << predicted;
    EXPECT_NE(out.find("<name>ABC +2</name>"), std::string::npos);
    // The balloon shows the aircraft's own heading, not the stored one turned by 180.
    EXPECT_NE(out.find("(EA AI/Online traffic: DEF - 0 - 360 600 2000 - 14:35:59 12-07-2009 4.1 "
                       "52.1 609.6)"),
              std::string::npos)
        << out;
}

// The recorder's last second may hold an aircraft twice: it gets one span.
TEST(TrafficReplay, OneSpanPerAircraftAndSecond) {
    Settings s;
    const std::string out = Traffic(s, {"20090712143559:1:52:4:1000:180:0:ABC:0:3:+2:x",
                                        "20090712143600:1:52:4:1000:180:0:ABC:0:3:+2:x",
                                        "20090712143600:1:52:4:1000:180:0:ABC:0:3:+2:x"});
    EXPECT_EQ(Count(out, "<name>ABC +2</name>"), 2u);
}

TEST(TrafficReplay, DamagedLinesAreLeftOut) {
    Settings s;
    const std::string out = Traffic(s, {"2009071214355:1:52:4:1000:180:0:ABC:0:3:+2:x",
                                        "20090712143559:1:north:4:1000:180:0:ABC:0:3:+2:x",
                                        "20090712143600:1:52:4:1000:180:0:A<B:0:9:+2:x"});
    EXPECT_EQ(Count(out, "[blue:"), 1u);
    EXPECT_NE(out.find("A&lt;B"), std::string::npos);
}

}  // namespace
}  // namespace flenmark
