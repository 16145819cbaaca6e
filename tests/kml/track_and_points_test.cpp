#include <gtest/gtest.h>

#include "base/number_text.h"
#include "kml/kml_test_support.h"
#include "kml/point_placemarks.h"
#include "kml/track_folder.h"

namespace flenmark {
namespace {

using testing::CompactTemplates;
using testing::Count;
using testing::LogLine;

const KmlTemplateSet kT = CompactTemplates();
const std::string kRun = "{F:FlightLog 12-07-2009 14:35 Type>check<}";

struct TrackCase {
    const char* name;
    std::vector<std::string> lines;
    std::string pieces;  // of the one recording run
};

class TrackFolderTest : public ::testing::TestWithParam<TrackCase> {};

TEST_P(TrackFolderTest, PiecesOfTheRun) {
    EXPECT_EQ(TrackFolder(kT, GetParam().lines),
              "{F:Flight Type>check<}" + kRun + GetParam().pieces + "{/F}{/F}");
}

std::string L(const char* second, const char* xy, const char* alt, int ground, const char* code) {
    return LogLine(std::string("200907121435") + second, xy, xy, alt, ground, code, "x");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, TrackFolderTest, ::testing::Values(
    TrackCase{"OnePieceInTheAir",
              {LogLine("20090712143500", "4.1", "52.1", "1000", 0, "SA", "-"), LogLine("20090712143501", "4.2", "52.2", "2000", 0, "", "x"),
               LogLine("20090712143502", "4.3", "52.3", "3000", 0, "SO", "x")},
              "[P:<name>In the air</name> 4.1,52.1,304.8 4.2,52.2,609.6 4.3,52.3,914.4 /]"},
    // A touchdown's point ends the air piece; a ground piece of one point makes no line. Commas
    // are read as points.
    TrackCase{"Touchdown", {LogLine("20090712143500", "4,1", "52,1", "100", 0, "SA", "-"), LogLine("20090712143501", "4,2", "52,2", "10", 1, "TD=-200/2", "x")},
              "[P:<name>In the air</name> 4.1,52.1,30.48 4.2,52.2,3.048 /]"},
    // Warnings get pieces of their own; landing ends one.
    TrackCase{"Warnings", {L("00", "1", "0", 0, "SA"), L("01", "2", "0", 0, "O"), L("02", "3", "0", 0, ""), L("03", "4", "0", 0, "OE"),
                           L("04", "5", "0", 0, "S"), L("05", "6", "0", 1, "TD=-100/0"), L("06", "7", "0", 0, "TO=1")},
              "[P:<name>In the air</name> 1,1,0 2,2,0 /][W:<name>Overspeed!!</name> 2,2,0 3,3,0 4,4,0 /]"
              "[P:<name>In the air</name> 4,4,0 5,5,0 /][W:<name>Stall!!</name> 5,5,0 6,6,0 /]"
              "[G:<name>On Ground</name> 6,6 7,7 /]"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(TrackFolder, TwoRecordingRunsGiveTwoFolders) {
    const std::vector<std::string> lines = {LogLine("20090712143500", "1", "1", "0", 1, "SA", "-"),
                                            LogLine("20090712143501", "2", "2", "0", 1, "SO", "x"),
                                            LogLine("20090712150000", "3", "3", "0", 1, "SA", "-")};
    const std::string track = TrackFolder(kT, lines);
    EXPECT_EQ(Count(track, "{F:FlightLog"), 2u);
    EXPECT_NE(track.find("[G:<name>On Ground</name> 1,1 2,2 /]{/F}{F:FlightLog 12-07-2009 15:00"),
              std::string::npos);
}

TEST(TrackFolder, RejectsWhatItCannotDraw) {
    EXPECT_THROW(TrackFolder(kT, {}), ConversionFault);
    EXPECT_THROW(TrackFolder(kT, {"20090712143500:1:2:3"}), ConversionFault);
    EXPECT_THROW(TrackFolder(kT, {LogLine("20090712143500", "east", "1", "0", 0, "", "-")}),
                 ConversionFault);
    EXPECT_THROW(TrackFolder(kT, {LogLine("20090712143500", "1", "1", "0", 7, "", "-")}),
                 ConversionFault);
    KmlTemplateSet broken = kT;
    broken[Kml::Path] = "[P: no name word";
    EXPECT_THROW(TrackFolder(broken, {LogLine("20090712143500", "1", "1", "0", 0, "", "-")}),
                 TemplateError);
}

TEST(PointPlacemarks, EventsDotsAndTheStopMarks) {
    const std::vector<std::string> lines = {
        LogLine("20090712143500", "1", "1", "1000", 0, "SA", "-"),
        LogLine("20090712143501", "2", "2", "1000", 0, "", "20090712143500"),
        LogLine("20090712143502", "3", "3", "1000", 0, "GD", "20090712143501")};
    const std::string folder = PointPlacemarksFolder(kT, lines, false);
    EXPECT_EQ(
        folder.rfind(
            "{F:Special placemarks Type>check<}<name>Start log</name><description>Event: You started "
            "logging at this point.</description>(EA Event: You started",
            0),
        0u);
    EXPECT_NE(folder.find("<name>Stop log</name>"),
              std::string::npos);  // the last line stops the log
    EXPECT_EQ(folder.find("Gear down"), std::string::npos);
    // Dots are named by their time.
    EXPECT_NE(folder.find("{F:Flight data Type>checkHideChildren<}<name>14:35:01</name>(da 140 270 150 145 "
                          "-500 1000 900 14:35:01 12-07-2009 2 2 304.8)"),
              std::string::npos);
    EXPECT_EQ(folder.substr(folder.size() - 8), "{/F}{/F}");
    EXPECT_EQ(PointPlacemarksFolder(kT, lines, true).find("Stop log"), std::string::npos);
}

TEST(PointPlacemarks, ASecondRunStopsTheFirst) {
    const std::vector<std::string> lines = {LogLine("20090712143500", "1", "1", "0", 1, "SA", "-"),
                                            LogLine("20090712143501", "2", "2", "0", 1, "", "x"),
                                            LogLine("20090712150000", "3", "3", "0", 1, "SA", "-"),
                                            LogLine("20090712150001", "4", "4", "0", 1, "SO", "x")};
    const std::string folder = PointPlacemarksFolder(kT, lines, false);
    const size_t dot3 = folder.find("(d 140 270 150 145 -500 0 900 15:00:00");
    const size_t stop2 = folder.find(
        "</description>(E Event: The log was stopped at this point. 140 270 150 145 -500 0 900 "
        "14:35:01");
    const size_t start3 = folder.find(
        "</description>(E Event: You started logging at this point. 140 270 150 145 -500 0 900 "
        "15:00:00");
    EXPECT_NE(dot3, std::string::npos);
    EXPECT_NE(stop2, std::string::npos);
    EXPECT_NE(start3, std::string::npos);
}

TEST(PointPlacemarks, NoEventsMeansNoFolderAtAll) {
    const std::vector<std::string> lines = {LogLine("20090712143500", "1", "1", "0", 0, "", "x")};
    EXPECT_EQ(PointPlacemarksFolder(kT, lines, true), "");
}

TEST(PointPlacemarks, WarningTemplatesByGroundAndCode) {
    const LogFields overspeedOnGround(LogLine("20090712143500", "1", "1", "0", 1, "O", "x"));
    const LogFields stallOnGround(LogLine("20090712143500", "1", "1", "0", 1, "S", "x"));
    const LogFields takeOff(LogLine("20090712143500", "1", "1", "0", 0, "TO=2", "x"));
    auto pin = [](bool span, const LogFields& f, const std::string& code) {
        std::string out;
        PointPlacemarkWriter(kT, span).eventPin(out, f, code, "<T/>");
        return out;
    };
    EXPECT_NE(pin(false, overspeedOnGround, "O").find("(EW "), std::string::npos);
    EXPECT_NE(pin(false, stallOnGround, "S").find("(EWA "), std::string::npos);
    EXPECT_NE(pin(false, takeOff, "TO=2").find("(E "), std::string::npos);
    // Behind the name its text as a description for GIS readers, then the span.
    EXPECT_NE(pin(true, takeOff, "TO=2")
                  .find("<name>T/O</name><description>Event: The aircraft took off at this "
                        "point.&lt;br&gt;Autobrake was set to 1.</description><T/>"),
              std::string::npos);
}

}  // namespace
}  // namespace flenmark
