// A converted flight shows what it showed before the documents were made smaller: the same
// placemarks, places, times, looks and balloon texts, with the shipped templates and with the
// template file of version 1.0. The digest of what it showed is kept in tests/data/kml-digests;
// FLENMARK_UPDATE_DIGESTS=1 writes it anew when what a document shows changes on purpose.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "app/flight_conversion.h"
#include "kml/kml_templates.h"
#include "kml/kml_test_support.h"
#include "support/fakes.h"
#include "support/kml_digest.h"
#include "support/simhost_process.h"

namespace flenmark {
namespace {

using testing::LogLine;
using testing::WriteFile;

// The stamp `second` seconds after 23:59:50 on 12 July 2009 (the flight crosses midnight).
std::string Stamp(int second) {
    const auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    const int t = second - 10;
    return t < 0 ? "200907122359" + two(60 + t) : "2009071300" + two(t / 60) + two(t % 60);
}

// Thirty seconds of flight with a replay and three aircraft coming closer: a take-off, an
// overspeed and a stall with their recoveries, a stall that lasts until the touchdown; a gap of a
// minute, then five more seconds on the ground. The recorder's last second holds the traffic twice.
void WriteFlight(const testing::TestProgram& t) {
    const std::map<int, const char*> codes = {{0, "SA"},         {5, "TO=2"}, {12, "GU"}, {14, "O"},
                                              {16, "OE"},        {18, "S"},   {20, "SE"}, {22, "S"},
                                              {26, "TD=-250/1"}, {90, "SA"},  {94, "SO"}};
    const auto ground = [](int s) { return s < 5 || s >= 26; };
    std::string log, animation, traffic;
    for (int s : {0, 5, 12, 14, 16, 18, 20, 22, 26, 29, 90, 94}) {
        const char* code = codes.count(s) ? codes.at(s) : "";
        log += LogLine(Stamp(s), "4," + std::to_string(7600 + s), "52," + std::to_string(3000 + s),
                       std::to_string(500 + 10 * s), ground(s), code, s ? Stamp(s - 1) : "-") +
               "\r\n";
    }
    for (int s = 0; s < 95; ++s) {
        if (s >= 30 && s < 90) continue;
        animation += LogLine(Stamp(s), "4," + std::to_string(76000 + 7 * s),
                             "52," + std::to_string(30000 + 5 * s), std::to_string(500 + 10 * s),
                             ground(s), "", s ? Stamp(s - 1) : "-") +
                     "\r\n";
        for (int k = 0; k < (s == 94 ? 6 : 3); ++k) {
            const int a = k % 3 + 1;
            traffic += Stamp(s) + ":" + std::to_string(1000 + a) + ":52." +
                       std::to_string(3100 - 3 * s) + ":4." + std::to_string(7600 + 100 * a) + ":" +
                       std::to_string(1500 + 300 * a) + ":" + std::to_string(90 * a) +
                       ".998168945312:" + std::to_string(200 + a) + ":AB<" + std::to_string(a) +
                       ">:-500:" + std::to_string((s / 10 + a) % 5) + ":+" +
                       std::to_string(10 * a) + ":" + (s ? Stamp(s - 1) : "-") + "\r\n";
        }
    }
    WriteFile(t.dataPath("Flightlog.txt"), log);
    WriteFile(t.dataPath("Animation.txt"), animation);
    WriteFile(t.dataPath("Traffic.txt"), traffic);
}

TEST(CompactDocument, ShowsWhatTheDocumentShowedBefore) {
    testing::TestProgram t;
    WriteFlight(t);
    // The template file of version 1.0 has no icons in the time tracks' styles: its own digest.
    const std::pair<const char*, const char*> cases[] = {
        {FLENMARK_RESOURCES_DIR "/KMLSettings.txt", "replay-with-traffic.digest"},
        {FLENMARK_TEST_DATA_DIR "/KMLSettings-1.0.txt", "replay-with-traffic-1.0.digest"}};
    for (const auto& [templates, digestName] : cases) {
        const std::string golden =
            std::string(FLENMARK_TEST_DATA_DIR) + "/kml-digests/" + digestName;
        t.program.kmlTemplates = ParseKmlTemplates(testing::ReadFile(templates));
        const std::string out = t.dataPath("flight.kml");
        ASSERT_TRUE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), out, "F", false, ""));
        EXPECT_EQ(testing::KmlSchemaErrors(out), "") << templates;
        const auto digest = testing::KmlDigest(out);
        if (std::getenv("FLENMARK_UPDATE_DIGESTS")) {
            std::ofstream file(golden);
            for (const std::string& line : digest) file << line << "\n";
        }
        EXPECT_EQ(testing::DigestDifference(SplitLines(testing::ReadFile(golden)), digest, 1e-6),
                  "")
            << templates;
    }
}

}  // namespace
}  // namespace flenmark
