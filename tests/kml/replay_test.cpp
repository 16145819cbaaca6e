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

TEST(AnimationFrames, SpanRunsFromThePreviousFrameAndEqualStampsStartLater) {
    const std::string a1 = LogLine("20090712143507", "4", "52", "1000", 0, "", "x");
    const std::string a2 = LogLine("20090712143509", "4", "52", "1000", 0, "", "x");
    const std::string a3 = LogLine("20090712143509", "4", "52", "1000", 0, "", "x");
    const std::string frames =
        Frames({a1, a2, a3}, {LogLine("20090712143500", "4", "52", "1000", 0, "SA", "-")});
    EXPECT_NE(frames.find("<Folder><name>2009-07-12 "
                          "14:35:07z</name><TimeSpan><begin>2009-07-12T14:35:08Z</"
                          "begin><end>2009-07-12T14:35:07Z</end></TimeSpan>"),
              std::string::npos);
    EXPECT_NE(frames.find("<name>2009-07-12 "
                          "14:35:09z</name><TimeSpan><begin>2009-07-12T14:35:08Z</"
                          "begin><end>2009-07-12T14:35:09Z</end>"),
              std::string::npos);
    EXPECT_NE(
        frames.find("<TimeSpan><begin>2009-07-12T14:35:10Z</begin><end>2009-07-12T14:35:09Z</end>"),
        std::string::npos);
}

TEST(AnimationFrames, MidnightCarriesIntoTheNextDay) {
    const std::string a1 = LogLine("20091231235959", "4", "52", "0", 1, "", "x");
    const std::string a2 = LogLine("20100101000001", "4", "52", "0", 1, "", "x");
    const std::string frames = Frames({a1, a2}, {a1});
    EXPECT_NE(frames.find("<begin>2010-01-01T00:00:00Z</begin><end>2010-01-01T00:00:01Z</end>"),
              std::string::npos);
}

TEST(AnimationFrames, TrailJoinsTheLastLoggedPointToTheAircraft) {
    const std::vector<std::string> log = {LogLine("20090712143500", "1", "1", "0", 0, "SA", "-"),
                                          LogLine("20090712143505", "2", "2", "0", 0, "", "x"),
                                          LogLine("20090712143510", "3", "3", "0", 0, "", "x")};
    const std::string frame = Frames({LogLine("20090712143507", "9", "9", "0", 0, "", "x")}, log);
    EXPECT_NE(frame.find("{F:FlightLog 12-07-2009 14:35 Type>check<}[P:<name>In the air</name> "
                         "2,2,0 9,9,0 /]{/F}"),
              std::string::npos)
        << frame;
}

TEST(AnimationFrames, FrameBeforeTheLogHasTheAircraftAlone) {
    const std::vector<std::string> log = {LogLine("20090712150000", "1", "1", "0", 0, "SA", "-"),
                                          LogLine("20090712150005", "2", "2", "0", 0, "", "x")};
    const std::string frame = Frames({LogLine("20090712143507", "9", "9", "0", 0, "", "x")}, log);
    EXPECT_NE(frame.find("[P:<name>In the air</name> 9,9,0 /]{/F}"), std::string::npos) << frame;
    EXPECT_EQ(frame.find("1,1,0"), std::string::npos);
}

TEST(AnimationFrames, GroundChangeLeavesAnEmptySecondPiece) {
    const std::vector<std::string> log = {LogLine("20090712143500", "1", "1", "100", 0, "SA", "-"),
                                          LogLine("20090712143510", "2", "2", "0", 1, "", "x")};
    const std::string frame = Frames({LogLine("20090712143505", "9", "9", "0", 1, "", "x")}, log);
    EXPECT_NE(
        frame.find("[P:<name>In the air</name> 1,1,30.48 9,9,0 /][G:<name>On Ground</name> /]{/F}"),
        std::string::npos)
        << frame;
}

TEST(AnimationFrames, WarningOnTheTrailStartsAWarningPiece) {
    const std::vector<std::string> log = {LogLine("20090712143500", "1", "1", "0", 0, "SA", "-"),
                                          LogLine("20090712143501", "2", "2", "0", 0, "S", "x"),
                                          LogLine("20090712143510", "3", "3", "0", 0, "", "x")};
    const std::string frames = Frames({LogLine("20090712143505", "9", "9", "0", 0, "", "x"),
                                       LogLine("20090712143506", "8", "8", "0", 0, "", "x")},
                                      log);
    EXPECT_NE(
        frames.find(
            "[P:<name>In the air</name> 2,2,0 2,2,0 /][W:<name>Stall!!</name> 2,2,0 9,9,0 /]"),
        std::string::npos)
        << frames;
    // The warning carries into the next frame's first piece.
    EXPECT_NE(frames.find("[W:<name>Stall!!</name> 2,2,0 8,8,0 /]"), std::string::npos) << frames;
}

TEST(AnimationFrames, PredictedPathAndMarkerInTheAirAndOnTheGround) {
    // Due north at 360 knots for 10 seconds: one nautical mile, a sixtieth of a degree.
    const std::string air = "20090712143507:4:52:1000:0::300:600:310:600:360:0:x";
    const std::string frame = Frames({air}, {air});
    EXPECT_NE(frame.find("[pp:<name>Predicted Flightpath</name> 4,52,304.8 4,52.0166"),
              std::string::npos)
        << frame;
    EXPECT_NE(frame.find(",335.28/]"), std::string::npos);  // 1000 ft + 100 ft
    EXPECT_NE(
        frame.find(
            "<name>Your aircraft: alt=1000 spd=360 hdg=0</name>(A 52 4 52 4 0 1220 "
            "<altitudeMode>absolute</altitudeMode> <altitudeMode>absolute</altitudeMode> ,304.8)"),
        std::string::npos)
        << frame;
    const std::string ground = "20090712143507:4:52:10:1::0:0:0:0:0:90:x";
    const std::string parked = Frames({ground}, {ground});
    EXPECT_NE(parked.find("[ppg:<name>Predicted Flightpath</name> 4,52 4,52/]"), std::string::npos)
        << parked;
    EXPECT_NE(parked.find("(A 52 4 52 4 90 400 <altitudeMode>clampToGround</altitudeMode> "
                          "<altitudeMode>clampToGround</altitudeMode> )"),
              std::string::npos)
        << parked;
}

TEST(EventPlacemarks, BoundaryOfTwoRunsAndBeginOnlySpans) {
    const std::vector<std::string> log = {LogLine("20090712143500", "1", "1", "0", 1, "SA", "-"),
                                          LogLine("20090712143501", "2", "2", "0", 1, "", "x"),
                                          LogLine("20090712150000", "3", "3", "0", 1, "SA", "-")};
    const std::string out = EventPlacemarksKml(kT, log);
    EXPECT_EQ(out.rfind("{F:Special placemarks Type>check<}", 0), 0u);
    const size_t dot =
        out.find("<name></name><TimeSpan><begin>2009-07-12T15:00:00Z</begin></TimeSpan>(d ");
    const size_t stop =
        out.find("<name>Stop log</name><TimeSpan><begin>2009-07-12T14:35:01Z</begin></TimeSpan>");
    const size_t start =
        out.find("<name>Start log</name><TimeSpan><begin>2009-07-12T15:00:00Z</begin></TimeSpan>");
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
    // First frame: the first line starts after its previous stamp, the next at its own.
    EXPECT_NE(out.find("[orange:<name>Predicted Flightpath ABC "
                       ";Close</name><TimeSpan><begin>2009-07-12T14:35:59Z</"
                       "begin><end>2009-07-12T14:35:59Z</end></TimeSpan>"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("[red:<name>Predicted Flightpath DEF ;Too "
                       "close</name><TimeSpan><begin>2009-07-12T14:35:59Z</"
                       "begin><end>2009-07-12T14:35:59Z</end>"),
              std::string::npos)
        << out;
    // Zero speed, level: the prediction stays put.
    EXPECT_NE(out.find("4,52,304.8 4,52,304.8/]"), std::string::npos);
    // Two seconds later the next frame joins without a gap.
    EXPECT_NE(out.find("[blue:<name>Predicted Flightpath "
                       "ABC</name><TimeSpan><begin>2009-07-12T14:36:00Z</"
                       "begin><end>2009-07-12T14:36:01Z</end>"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("GHI"), std::string::npos);  // no object id
    // DEF flies north (its stored heading is turned by 180): ten seconds at 360 kt ahead.
    const size_t def = out.find("4.1,52.1,609.6 ");
    ASSERT_NE(def, std::string::npos);
    const std::string predicted = out.substr(def + 15, out.find(' ', def + 15) - def - 15);
    EXPECT_NEAR(std::stod(predicted.substr(predicted.find(',') + 1)), 52.1 + 0.1 * 10 / 60.1, 1e-3)
        << predicted;
    EXPECT_NE(out.find("<name>ABC +2</name>"), std::string::npos);
    EXPECT_NE(out.find("(EA AI/Online traffic: DEF - 180 - 360 600 2000 - 14:35:59 12-07-2009 4.1 "
                       "52.1 609.6)"),
              std::string::npos)
        << out;
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
