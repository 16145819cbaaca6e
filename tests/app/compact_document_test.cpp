// A converted flight shows what it showed before the documents were made smaller: the same
// placemarks, places, times, looks and balloon texts, with the shipped templates and with the
// template file of version 1.0. The digest of what it showed is kept in tests/data/kml-digests;
// FLENMARK_UPDATE_DIGESTS=1 writes it anew when what a document shows changes on purpose.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

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

// The stamp `second` seconds after midnight (within the first hour).
std::string Stamp(int second) {
    const auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return "2009071300" + two(second / 60) + two(second % 60);
}

// Thirty seconds of flight with a replay and three aircraft coming closer, a gap of a minute,
// then five more seconds.
void WriteFlight(const testing::TestProgram& t) {
    std::string log, animation, traffic;
    for (int s : {0, 5, 12, 20, 29, 90, 94}) {
        const char* code = s == 0 || s == 90 ? "SA" : s == 12 ? "GU" : s == 94 ? "SO" : "";
        log += LogLine(Stamp(s), "4," + std::to_string(7600 + s), "52," + std::to_string(3000 + s),
                       std::to_string(500 + 10 * s), s < 10, code, s ? Stamp(s - 1) : "-") +
               "\r\n";
    }
    for (int s = 0; s < 95; ++s) {
        if (s >= 30 && s < 90) continue;
        animation += LogLine(Stamp(s), "4," + std::to_string(76000 + 7 * s),
                             "52," + std::to_string(30000 + 5 * s), std::to_string(500 + 10 * s),
                             s < 10, "", s ? Stamp(s - 1) : "-") +
                     "\r\n";
        for (int a = 1; a <= 3; ++a)
            traffic += Stamp(s) + ":" + std::to_string(1000 + a) + ":52." +
                       std::to_string(3100 - 3 * s) + ":4." + std::to_string(7600 + 100 * a) +
                       ":" + std::to_string(1500 + 300 * a) + ":" + std::to_string(90 * a) +
                       ".998168945312:" + std::to_string(200 + a) + ":AB<" + std::to_string(a) +
                       ">:-500:" + std::to_string((s / 10 + a) % 5) + ":+" +
                       std::to_string(10 * a) + ":" + (s ? Stamp(s - 1) : "-") + "\r\n";
    }
    WriteFile(t.dataPath("Flightlog.txt"), log);
    WriteFile(t.dataPath("Animation.txt"), animation);
    WriteFile(t.dataPath("Traffic.txt"), traffic);
}

TEST(CompactDocument, ShowsWhatTheDocumentShowedBefore) {
    testing::TestProgram t;
    WriteFlight(t);
    const std::string golden =
        std::string(FLENMARK_TEST_DATA_DIR) + "/kml-digests/replay-with-traffic.digest";
    for (const char* templates :
         {FLENMARK_RESOURCES_DIR "/KMLSettings.txt", FLENMARK_TEST_DATA_DIR "/KMLSettings-1.0.txt"}) {
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
