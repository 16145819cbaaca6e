// What other programs read of the recorded default circuit: GDAL on the exported GPX and on the
// converted KML.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "e2e/e2e_support.h"

namespace flenmark {
namespace {

using testing::DefaultFlightRecording;

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* p = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
        pclose(p);
    }
    return out;
}

TEST(OtherPrograms, GdalAndGpsBabelReadEveryTrackPointAndGdalTheEventTexts) {
    if (access("/usr/bin/ogrinfo", X_OK) != 0) GTEST_SKIP() << "GDAL (gdal-bin) is not installed";
    const auto& r = DefaultFlightRecording::Get();
    ASSERT_EQ(r.cli.status, 0) << r.cli.errors;
    const std::string gpx = r.folders.root() + "/flight.gpx",
                      kml = r.folders.root() + "/flight.kml";
    for (const auto& [command, out] : {std::pair{"export", gpx}, std::pair{"convert", kml}}) {
        const auto run = testing::RunProgram(
            testing::CliPath(), {command, r.data("Flightlog.txt"), out}, r.environment());
        ASSERT_EQ(run.status, 0) << run.errors;
    }
    const size_t frames = testing::SplitLines(testing::ReadFile(r.data("Animation.txt"))).size();
    EXPECT_NE(Output("ogrinfo -ro -so '" + gpx + "' track_points")
                  .find("Feature Count: " + std::to_string(frames)),
              std::string::npos);
    // GPSBabel reads the track back point for point (a header line, then one per point).
    if (access("/usr/bin/gpsbabel", X_OK) == 0) {
        const std::string points = Output("gpsbabel -t -i gpx -f '" + gpx + "' -o unicsv -F -");
        EXPECT_EQ(testing::SplitLines(points).size(), frames + 1) << points.substr(0, 500);
    }
    const std::string events = Output("ogrinfo -ro -al '" + kml + "' 'Special placemarks'");
    EXPECT_NE(events.find("description (String) = Event: The aircraft touched down at this point."),
              std::string::npos)
        << events.substr(0, 2000);
    // The LIBKML driver lists the pins' typed values as columns of their own.
    const std::string fields = Output("ogrinfo -ro -so '" + kml + "' 'Special placemarks'");
    for (const char* column : {"using driver `LIBKML'", "event_code: String", "ias_kt: Real",
                               "altitude_m: Real", "vertical_speed_ft_min: Real"})
        EXPECT_NE(fields.find(column), std::string::npos) << column << "\n" << fields;
}

// GPSBabel takes the CSV's time, position and its altitude in metres; GDAL its point with height.
TEST(OtherPrograms, GpsBabelAndGdalReadTheCsvAltitudeInMetres) {
    if (access("/usr/bin/gpsbabel", X_OK) != 0 || access("/usr/bin/ogrinfo", X_OK) != 0)
        GTEST_SKIP() << "GPSBabel or GDAL is not installed";
    const auto& r = DefaultFlightRecording::Get();
    ASSERT_EQ(r.cli.status, 0) << r.cli.errors;
    const std::string csv = r.folders.root() + "/flight.csv";
    const auto run = testing::RunProgram(testing::CliPath(),
                                         {"export", r.data("Flightlog.txt"), csv}, r.environment());
    ASSERT_EQ(run.status, 0) << run.errors;
    const auto rows = testing::SplitLines(testing::ReadFile(csv));
    ASSERT_GE(rows.size(), 2u);
    // The last point's altitude in metres (the fourth column), as GPSBabel writes it: one decimal.
    std::vector<std::string> cells;
    for (size_t at = 0, next = 0; next != std::string::npos; at = next + 1)
        cells.push_back(rows.back().substr(at, (next = rows.back().find(',', at)) - at));
    char metres[32];
    std::snprintf(metres, sizeof metres, "%.1f", std::stod(cells[3]));
    const auto babel =
        testing::SplitLines(Output("gpsbabel -t -i unicsv -f '" + csv + "' -o unicsv -F -"));
    ASSERT_EQ(babel.size(), rows.size());
    EXPECT_EQ(babel[0], "No,Latitude,Longitude,Altitude,Speed,Course,Date,Time");
    EXPECT_NE(babel.back().find("," + std::string(metres) + ","), std::string::npos)
        << babel.back() << " " << metres;
    const std::string gdal = Output(
        "ogrinfo -ro -al -oo X_POSSIBLE_NAMES=longitude -oo "
        "Y_POSSIBLE_NAMES=latitude -oo Z_POSSIBLE_NAMES=altitude_m '" +
        csv + "'");
    EXPECT_NE(gdal.find("POINT Z (" + cells[2] + " " + cells[1] + " " + cells[3] + ")"),
              std::string::npos)
        << gdal.substr(0, 1000);
}

}  // namespace
}  // namespace flenmark
