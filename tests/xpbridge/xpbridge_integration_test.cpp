// flenmark-xpbridge against the X-Plane stand-in: a short flight recorded by flenmark-cli, and
// the bridge's behaviour when X-Plane goes away, comes back, or a stranger joins in.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "e2e/e2e_support.h"
#include "platform/posix_ipc_transport.h"
#include "simlink/fsuipc_client.h"
#include "support/xplane_flight.h"
#include "support/xplane_standin.h"
#include "xpbridge/xplane_datarefs.h"

namespace flenmark {
namespace {

using testing::Field;
using testing::SplitLines;

// Waits until the bridge serves the link (X-Plane answered).
bool WaitForTheLink() {
    PosixIpcTransport transport;
    FsuipcClient client(transport, {100, 10, 10, 10});
    const bool opened = testing::OpenLinkWithin(client, 5000);
    client.CloseLink();
    return opened;
}

TEST(XPlaneBridge, RecordsAShortFlightWithEventsTouchdownAndTraffic) {
    testing::TempFolders folders;
    testing::PrivateRuntimeDir runtime;
    testing::XPlaneStandIn xplane(testing::ShortXPlaneFlight, std::string("RREF\0", 5), "RPOS4");
    testing::BackgroundProgram bridge(FLENMARK_XPBRIDGE_PATH,
                                      {"--xplane", xplane.address(), "--rate", "20"}, {});
    ASSERT_TRUE(WaitForTheLink());
    xplane.restartClock();  // the flight begins as the recorder starts
    const auto cli = testing::RunProgram(
        testing::CliPath(),
        {"record", "--ticks", "60", "--tick-ms", "200", "--animation", "--tcas", "ALL"},
        testing::RecorderEnvironment(folders));
    ASSERT_EQ(cli.status, 0) << cli.errors;
    std::vector<std::string> codes;
    const auto log = SplitLines(testing::ReadFile(folders.data() + "Flightlog.txt"));
    for (const std::string& line : log)
        if (!Field(line, 6).empty()) codes.push_back(Field(line, 6));
    for (const char* code : {"SA", "OM", "GD", "FL=50", "TD=-250/2"})
        EXPECT_NE(std::find(codes.begin(), codes.end(), code), codes.end()) << code;
    EXPECT_NEAR(std::stod(Field(log.front(), 3)), 52.3, 0.002);  // the start has a position
    EXPECT_NEAR(std::stod(Field(log.back(), 3)), 52.3 + 0.000674 * 12, 0.003);
    EXPECT_EQ(Field(log.back(), 7), "140");                 // IAS, kt
    EXPECT_NEAR(std::stod(Field(log.back(), 11)), 146, 1);  // ground speed, kt
    std::set<std::string> classes, callsigns;
    for (const std::string& line : SplitLines(testing::ReadFile(folders.data() + "Traffic.txt"))) {
        classes.insert(Field(line, 10));
        callsigns.insert(Field(line, 8));
    }
    EXPECT_GE(classes.size(), 2u);
    EXPECT_TRUE(callsigns.count("DLH")) << *callsigns.begin();
    bridge.terminate();
}

// Nothing answers where X-Plane should: the bridge says so at once.
TEST(XPlaneBridge, SaysAtOnceWhenXPlaneIsSilent) {
    testing::PrivateRuntimeDir runtime;
    const auto run = testing::RunProgram("/usr/bin/timeout",
                                         {"2", FLENMARK_XPBRIDGE_PATH, "--xplane", "127.0.0.1:9"});
    EXPECT_NE(run.errors.find("X-Plane is silent"), std::string::npos) << run.errors;
}

TEST(XPlaneBridge, StrangersAreIgnoredSilenceDropsTheLinkAndTheEndCancels) {
    testing::PrivateRuntimeDir runtime;
    testing::XPlaneStandIn xplane(testing::ShortXPlaneFlight);
    testing::BackgroundProgram bridge(FLENMARK_XPBRIDGE_PATH, {"--xplane", xplane.address()}, {});
    ASSERT_TRUE(WaitForTheLink());
    PosixIpcTransport transport;
    FsuipcClient client(transport, {100, 10, 10, 10});
    int result = -1;
    ASSERT_TRUE(client.OpenLink(0, result));
    uint16_t xplaneFlag = 0;
    uint32_t gear = 0;
    xplane.restartClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(4200));  // the gear is down
    xplane.sendAsStranger(xpbridge::kGear, 0.25f);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    client.QueueRead(0x6FFF, 2, &xplaneFlag, result);
    client.QueueRead(0x0BEC, 4, &gear, result);
    ASSERT_TRUE(client.ProcessRequests(result));
    EXPECT_EQ(xplaneFlag, 1);
    EXPECT_EQ(gear, 16383u);  // X-Plane's "down", not the stranger's quarter

    xplane.setGone(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    client.QueueRead(0x0BEC, 4, &gear, result);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkTimeout);
    client.CloseLink();

    xplane.setGone(false);  // restarted: it knows no subscription until the bridge asks again
    EXPECT_TRUE(testing::OpenLinkWithin(client, 6000));
    client.CloseLink();
    bridge.terminate();
    EXPECT_EQ(bridge.wait(), 0);
    const int all = static_cast<int>(xpbridge::Datarefs().size()) + 1;
    for (int i = 0; i < 50 && xplane.cancellations() < all; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(xplane.cancellations(), all);
    EXPECT_EQ(xplane.subscriptions(), 0);
}

}  // namespace
}  // namespace flenmark
