// A recorded circuit flown through the realtime tracking tick by tick: at its end the realtime
// documents show what they showed when every tick rewrote the whole flight into one document.
// The digest of that is kept in tests/data/kml-digests; FLENMARK_UPDATE_DIGESTS=1 writes it anew
// when what the documents show changes on purpose.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/flight_conversion.h"
#include "kml/kml_templates.h"
#include "kml/kml_test_support.h"
#include "support/fakes.h"
#include "support/kml_digest.h"
#include "support/simhost_process.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::WriteFile;

// The present at the end of the flight: parked after landing, two aircraft around.
void SetPresent(Program& p) {
    p.telemetry = {.LatText = "52.3012",
                   .LonText = "4.7581",
                   .AltText = "10",
                   .GndSpdText = "12",
                   .HDGText = "240.4",
                   .OnGround = 1,
                   .VSText = "0",
                   .AltAGLText = "0",
                   .LastAirVSText = "0",
                   .GearText = "1"};
    p.prev.AltText = "10";
    p.traffic.TCASMode = 4;
    const char* rows[][8] = {{"1001", "52.3167", "4.76", "400", "270", "0", "KLM1234", "0"},
                             {"1006", "52.35", "4.6", "2500", "300", "220", "DLH4U", "-500"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 8; ++c) p.traffic.AITraffic.at(r + 1, c) = rows[r][c];
}

// Every KML file the realtime tracking keeps in the data folder, its own folders included.
std::vector<std::string> RealtimeKmlFiles(const std::string& data) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(data))
        if (entry.path().extension() == ".kml") files.push_back(entry.path().string());
    return files;
}

TEST(RealtimeFlight, ShowsAtItsEndWhatTheWholeDocumentShowed) {
    const std::string golden =
        std::string(FLENMARK_TEST_DATA_DIR) + "/kml-digests/realtime-circuit.digest";
    const auto flight = SplitLines(ReadFile(FLENMARK_TEST_DATA_DIR "/flights/circuit.txt"));
    ASSERT_GT(flight.size(), 200u);
    for (const char* templates : {FLENMARK_RESOURCES_DIR "/KMLSettings.txt",
                                  FLENMARK_TEST_DATA_DIR "/KMLSettings-1.0.txt"}) {
        testing::TestProgram t;
        t.program.kmlTemplates = ParseKmlTemplates(ReadFile(templates));
        SetPresent(t.program);
        const std::string kml = t.dataPath("Realtime.kml");
        std::string log;
        for (const std::string& line : flight) {
            // "Realtime.txt": the log so far and the current sample.
            WriteFile(t.dataPath("Realtime.txt"), log + line + "\r\n");
            ASSERT_TRUE(ConvertLogToKml(t.program, t.dataPath("Realtime.txt"), kml,
                                        "Flenmark Realtime Flightpath", true,
                                        t.dataPath("RealtimeLocation.kml")));
            log += line + "\r\n";
        }
        for (const std::string& file : RealtimeKmlFiles(t.folders.data()))
            EXPECT_EQ(testing::KmlSchemaErrors(file), "") << file;
        const auto digest = testing::KmlDigest(kml);
        if (std::getenv("FLENMARK_UPDATE_DIGESTS")) {
            std::ofstream file(golden);
            for (const std::string& l : digest) file << l << "\n";
        }
        EXPECT_EQ(testing::DigestDifference(SplitLines(ReadFile(golden)), digest, 1e-6), "")
            << templates;
    }
}

// Thirty-six seconds in two recording runs: taxi, take-off, an overspeed and a stall with their
// recoveries, a touchdown; the second run starts in the air.
std::vector<std::string> TwoRuns() {
    std::vector<std::string> log;
    for (int i = 0; i < 36; ++i) {
        const std::string stamp =
            "200907121435" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        const bool runStart = i == 0 || i == 24;
        const std::string code = runStart  ? "SA"
                                 : i == 5  ? "TO=3"
                                 : i == 8  ? "O"
                                 : i == 10 ? "OE"
                                 : i == 13 ? "S"
                                 : i == 14 ? "SE"
                                 : i == 17 ? "TD=-250/1"
                                           : "";
        const bool ground = i < 5 || (i >= 17 && i < 24);
        log.push_back(testing::LogLine(
            stamp, "4," + std::to_string(7600 + i * 3), "52," + std::to_string(3000 + i * 2),
            std::to_string(ground ? 10 : 100 * i), ground, code, runStart ? "-" : "x"));
    }
    return log;
}

// Cut into pieces every few lines, the realtime documents show at every tick what one document
// holding the whole flight shows: pieces, runs, warnings and events cut anywhere.
TEST(RealtimeFlight, PiecesShowWhatOneDocumentShowsAtEveryTick) {
    testing::TestProgram cut, whole;
    for (testing::TestProgram* t : {&cut, &whole}) {
        t->program.kmlTemplates =
            ParseKmlTemplates(ReadFile(FLENMARK_RESOURCES_DIR "/KMLSettings.txt"));
        SetPresent(t->program);
    }
    cut.program.realtime.kml = RealtimeKmlCache(3);
    whole.program.realtime.kml = RealtimeKmlCache(1000);
    std::string log;
    for (const std::string& line : TwoRuns()) {
        for (testing::TestProgram* t : {&cut, &whole}) {
            WriteFile(t->dataPath("Realtime.txt"), log + line + "\r\n");
            ASSERT_TRUE(ConvertLogToKml(t->program, t->dataPath("Realtime.txt"),
                                        t->dataPath("Realtime.kml"), "R", true,
                                        t->dataPath("RealtimeLocation.kml")));
        }
        EXPECT_EQ(testing::DigestDifference(testing::KmlDigest(whole.dataPath("Realtime.kml")),
                                            testing::KmlDigest(cut.dataPath("Realtime.kml")), 0),
                  "")
            << line;
        log += line + "\r\n";
    }
    EXPECT_TRUE(std::filesystem::exists(cut.dataPath("RealtimeHistory/Track11.kml")));
}

}  // namespace
}  // namespace flenmark
