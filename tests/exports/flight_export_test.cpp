#include "exports/flight_export.h"

#include <gtest/gtest.h>

#include <sstream>

#include "exports/flight_profile.h"
#include "kml/kml_test_support.h"
#include "support/fakes.h"
#include "support/simhost_process.h"

namespace flenmark {
namespace {

using testing::Count;
using testing::LogLine;
using testing::ReadFile;
using testing::WriteFile;

// Two recording runs in the comma format, a touchdown among them, and a damaged line.
class FlightExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile(log, LogLine("20090712235958", "4,76", "52,3", "1000", 0, "SA", "-") + "\r\n" +
                           LogLine("20090712235959", "4,761", "52,301", "10", 1, "TD=-312/2", "x") +
                           "\r\ngarbage\r\n" +
                           LogLine("20090713000500", "4,77", "52,31", "10", 1, "SA", "-") + "\r\n" +
                           LogLine("20090713000501", "1E-05", "52,32", "10", 1, "FL=5,\"", "x") +
                           "\r\n");
    }
    testing::TempFolders folders;
    const std::string log = folders.data() + "Flightlog.txt";
};

TEST_F(FlightExportTest, GpxHasAWaypointPerEventAndASegmentPerRunAndIsValid) {
    const std::string out = folders.root() + "/flight.gpx";
    const ExportResult r = ExportFlight(log, out, "Me & you");
    ASSERT_TRUE(r.exported);
    EXPECT_EQ(r.damagedLines, 1u);
    EXPECT_EQ(testing::GpxSchemaErrors(out), "");
    const std::string gpx = ReadFile(out);
    EXPECT_EQ(Count(gpx, "<wpt "), 4u);  // two starts, the touchdown, the flaps
    EXPECT_NE(gpx.find("<wpt lat=\"52.301\" lon=\"4.761\"><ele>3.048</ele><time>2009-07-12T23:59:"
                       "59Z</time><name>T/D VS: -312ft/m</name><desc>Event: The aircraft touched"),
              std::string::npos);
    EXPECT_EQ(Count(gpx, "<trkseg>"), 2u);
    EXPECT_EQ(Count(gpx, "<trkpt "), 4u);
    EXPECT_NE(gpx.find("lon=\"0.00001\""), std::string::npos);  // never an exponent
    // The metadata's time and box; speed (m/s) and course of every track point.
    EXPECT_NE(
        gpx.find("<metadata><name>Me &amp; you</name><time>2009-07-12T23:59:58Z</time><bounds "
                 "minlat=\"52.3\" minlon=\"0.00001\" maxlat=\"52.32\" maxlon=\"4.77\"/>"
                 "</metadata>"),
        std::string::npos);
    EXPECT_EQ(Count(gpx,
                    "<extensions><gpxtpx:TrackPointExtension><gpxtpx:speed>74.5944</gpxtpx:"
                    "speed><gpxtpx:course>270</gpxtpx:course></gpxtpx:TrackPointExtension>"),
              4u);
    // With an animation beside the log, a point per frame, in the same runs; a frame of the
    // same second as the one before it (the stop) adds no point.
    WriteFile(folders.data() + "Animation.txt",
              LogLine("20090712235958", "4,76", "52,3", "1000", 0, "SA", "") + "\r\n" +
                  LogLine("20090712235959", "4,76", "52,3", "1000", 0, "", "x") + "\r\n" +
                  LogLine("20090712235959", "4,76", "52,3", "1000", 0, "SO", "") + "\r\n" +
                  LogLine("20090713000500", "4,77", "52,31", "10", 1, "SA", "") + "\r\n" +
                  LogLine("20090713000501", "4,77", "52,31", "10", 1, "", "x") + "\r\n");
    ASSERT_TRUE(ExportFlight(log, out, "x").exported);
    EXPECT_EQ(Count(ReadFile(out), "<trkseg>"), 2u);
    EXPECT_EQ(Count(ReadFile(out), "<trkpt "), 4u);
}

TEST_F(FlightExportTest, CsvHasAHeaderPointsAsDecimalsAndQuotesWhatNeedsIt) {
    const std::string out = folders.root() + "/flight.CSV";
    ASSERT_TRUE(ExportFlight(log, out, "x").exported);
    const auto lines = testing::SplitLines(ReadFile(out));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind(
                  "time,latitude,longitude,altitude_m,msl_ft,on_ground,event,ias_kt,agl_ft,", 0),
              0u);
    EXPECT_EQ(lines[2],
              "2009-07-12T23:59:59Z,52.301,4.761,3.048,10,1,TD=-312/2,140,900,150,-500,145,270");
    EXPECT_EQ(lines[4].substr(0, 56),
              "2009-07-13T00:05:01Z,52.32,0.00001,3.048,10,1,\"FL=5,\"\"\",");
}

TEST_F(FlightExportTest, ProfileMarksTheEventsItShowsAndScalesToTheFlight) {
    FlightPoints points{log};
    std::ostringstream svg;
    ASSERT_TRUE(WriteProfileSvg(points, {1200, 600, true, "", ""}, svg));
    const std::string text = svg.str();
    EXPECT_EQ(testing::Count(text, "<polyline"), 2u);  // altitude and ground speed
    EXPECT_NE(text.find(">T/D VS: -312ft/m (This was a pretty hard touchdown)</text>"),
              std::string::npos);
    EXPECT_NE(text.find(">Flaps 5,%</text>"), std::string::npos);
    EXPECT_EQ(text.find(">Start log</text>"), std::string::npos);  // not an event it shows
    EXPECT_NE(text.find(">1000</text>"), std::string::npos);       // the altitude axis reaches it
    EXPECT_NE(text.find("fill=\"#1e1e1e\""), std::string::npos);   // the dark theme
    WriteFile(log, "garbage\r\n");
    std::ostringstream none;
    EXPECT_FALSE(WriteProfileSvg(points, {}, none));
}

TEST_F(FlightExportTest, NothingUsableLeavesTheOldFile) {
    const std::string out = folders.root() + "/flight.gpx";
    WriteFile(out, "old");
    WriteFile(log, "garbage\r\n");
    EXPECT_FALSE(ExportFlight(log, out, "x").exported);
    EXPECT_FALSE(ExportFlight(folders.root() + "/missing.txt", out, "x").exported);
    EXPECT_FALSE(ExportFlight(log, folders.root() + "/flight.kml", "x").exported);
    EXPECT_EQ(ReadFile(out), "old");
}

}  // namespace
}  // namespace flenmark
