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

// The realtime document's log is still being written: its last line does not stop it.
TEST(PointPlacemarks, TheLastLineStopsTheLogOnlyWhenItIsOver) {
    const std::vector<std::string> lines = {LogLine("20090712143500", "1", "1", "0", 0, "SA", "-"),
                                            LogLine("20090712143501", "2", "2", "0", 0, "", "x")};
    EXPECT_NE(PointPlacemarksFolder(kT, lines, false).find("Stop log"), std::string::npos);
    EXPECT_EQ(PointPlacemarksFolder(kT, lines, true).find("Stop log"), std::string::npos);
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
        PointPlacemarkWriter(kT, span ? PointTime::Span : PointTime::None)
            .eventPin(out, f, code, "<T/>");
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
