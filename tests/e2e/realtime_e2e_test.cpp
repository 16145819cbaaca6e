// Realtime tracking of the default circuit: "Realtime.kml" rewritten every tick, always
// valid, following the aircraft.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <thread>

#include "e2e/e2e_support.h"
#include "kml/kml_values.h"
#include "support/kml_digest.h"

namespace flenmark {
namespace {

using testing::ReadFile;

// The aircraft placemark's coordinates in a realtime document.
std::string AircraftCoordinates(const std::string& kml) {
    const size_t pin = kml.find("<name>Your aircraft:");
    const size_t open = kml.find("<coordinates>", pin);
    const size_t close = kml.find("</coordinates>", open);
    if (pin == std::string::npos || open == std::string::npos) return {};
    return kml.substr(open + 13, close - open - 13);
}

// flenmark-cli recording the default circuit in lockstep, into a private data folder.
class RealtimeTracking : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(host.ready()); }
    testing::TempFolders folders;
    testing::PrivateRuntimeDir runtime;
    testing::SimHostProcess host{{"--scenario", "default", "--lockstep"}};
};

TEST_F(RealtimeTracking, DocumentChangesEveryTickIsValidAndFollowsTheAircraft) {
    const std::string path = folders.data() + "Realtime.kml";
    testing::BackgroundProgram cli(
        testing::CliPath(),
        {"record", "--ticks", "60", "--tick-ms", "100", "--realtime", "--tcas", "ALL"},
        {"XDG_DATA_HOME=" + folders.applicationDataRoot(), "HOME=" + folders.root()});
    std::map<std::string, std::string> versions;  // content -> file name of its copy
    std::vector<std::string> positions;
    while (cli.running()) {
        const std::string kml = ReadFile(path);
        if (!kml.empty() && !versions.count(kml)) {
            const std::string copy =
                folders.root() + "/v" + std::to_string(versions.size()) + ".kml";
            testing::WriteFile(copy, kml);
            versions[kml] = copy;
            positions.push_back(AircraftCoordinates(kml));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    EXPECT_EQ(cli.wait(), 0);
    EXPECT_GE(versions.size(), 45u);  // one per tick, bar the few a busy machine hides from us
    for (const auto& [kml, copy] : versions) EXPECT_EQ(testing::KmlSchemaErrors(copy), "") << copy;
    // Taxiing and taking off: the aircraft moves with the host's position.
    std::set<std::string> distinct(positions.begin(), positions.end());
    EXPECT_GT(distinct.size(), 30u);
    EXPECT_EQ(positions.front().rfind("4.7", 0), 0u) << positions.front();
    const std::string camera = ReadFile(folders.data() + "RealtimeLocation.kml");
    EXPECT_NE(camera.find("<LookAt>"), std::string::npos);
}

// `record --realtime` writes the link a user opens in Google Earth and names it. In a data folder
// whose name holds "&" and a template word the link is still valid KML and leads to the aircraft.
TEST_F(RealtimeTracking, RecordWritesTheLinkAndNamesIt) {
    const std::string root = folders.root() + "/Flights & FILE2";
    const testing::RunResult cli = testing::RunProgram(
        testing::CliPath(), {"record", "--ticks", "3", "--tick-ms", "1", "--realtime"},
        {"XDG_DATA_HOME=" + root, "HOME=" + folders.root()});
    ASSERT_EQ(cli.status, 0) << cli.errors;
    const std::string link = root + "/Flenmark/Flenmark Realtime.kml";
    EXPECT_NE(cli.errors.find("Realtime link for Google Earth: " + link + "\n"), std::string::npos)
        << cli.errors;
    EXPECT_EQ(testing::KmlSchemaErrors(link), "");
    const auto shown = testing::KmlDigest(link);  // followed as Google Earth follows it
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const std::string& line) {
        return line.rfind("Your aircraft: ", 0) == 0;
    })) << ReadFile(link);
}

}  // namespace
}  // namespace flenmark
