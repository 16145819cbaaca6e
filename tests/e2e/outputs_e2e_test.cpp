// What other programs read of the recorded default circuit: GDAL on the exported GPX and on the
// converted KML.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

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
    const std::string gpx = r.folders.root() + "/flight.gpx", kml = r.folders.root() + "/flight.kml";
    for (const auto& [command, out] : {std::pair{"export", gpx}, std::pair{"convert", kml}}) {
        const auto run =
            testing::RunProgram(testing::CliPath(), {command, r.data("Flightlog.txt"), out}, r.environment());
        ASSERT_EQ(run.status, 0) << run.errors;
    }
    const size_t frames = testing::SplitLines(testing::ReadFile(r.data("Animation.txt"))).size();
    EXPECT_NE(Output("ogrinfo -ro -so '" + gpx + "' track_points").find("Feature Count: " + std::to_string(frames)),
              std::string::npos);
    // GPSBabel reads the track back point for point (a header line, then one per point).
    if (access("/usr/bin/gpsbabel", X_OK) == 0) {
        const std::string points = Output("gpsbabel -t -i gpx -f '" + gpx + "' -o unicsv -F -");
        EXPECT_EQ(testing::SplitLines(points).size(), frames + 1) << points.substr(0, 500);
    }
    const std::string events = Output("ogrinfo -ro -al '" + kml + "' 'Special placemarks'");
    EXPECT_NE(events.find("description (String) = Event: The aircraft touched down at this point."),
              std::string::npos) << events.substr(0, 2000);
}

}  // namespace
}  // namespace flenmark
