// flenmark-fgbridge against a FlightGear stand-in: recorded-style JSON answers from a local
// HTTP server.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "fgbridge/flightgear_answers.h"
#include "platform/posix_ipc_transport.h"
#include "simlink/fsuipc_client.h"
#include "support/simhost_process.h"
#include "support/vendor_server.h"

namespace flenmark {
namespace {

using testing::FgAircraft;
using testing::FgLeaf;
using testing::FgNode;

void ServeFlightGear(testing::VendorServer& fg) {
    fg.serve("/json/position",
             FgNode("position", {FgLeaf("latitude-deg", "21.3"), FgLeaf("longitude-deg", "-157.9"),
                                 FgLeaf("altitude-ft", "2500"), FgLeaf("ground-elev-ft", "12")}));
    fg.serve("/json/sim/fdm-initialized", FgLeaf("fdm-initialized", "true"));
    fg.serve("/json/orientation", FgNode("orientation", {FgLeaf("heading-deg", "80")}));
    fg.serve("/json/ai/models",
             FgNode("models", {FgAircraft(0, 11, "N172SP", 21.31, -157.9, 2600)}));
}

TEST(FlightGearBridge, ServesFlightGearAndDropsTheLinkWhenItStops) {
    testing::PrivateRuntimeDir runtime;
    testing::VendorServer fg;
    ServeFlightGear(fg);
    testing::BackgroundProgram bridge(FLENMARK_FGBRIDGE_PATH, {"--fg", fg.baseUrl()}, {});
    PosixIpcTransport transport;
    FsuipcClient client(transport, {100, 10, 10, 10});
    int result = -1;
    ASSERT_TRUE(testing::OpenLinkWithin(client, 5000));
    EXPECT_EQ(client.SimVersion, 8);
    int64_t lat = 0;
    int32_t heading = 0, id = 0;
    char callsign[16] = {};
    uint16_t xplane = 1;
    client.QueueRead(0x0560, 8, &lat, result);
    client.QueueRead(0x0580, 4, &heading, result);
    client.QueueRead(0xF080, 4, &id, result);
    client.QueueRead(0xF080 + 22, 15, callsign, result);
    client.QueueRead(0x6FFF, 2, &xplane, result);
    ASSERT_TRUE(client.ProcessRequests(result));
    EXPECT_NEAR(lat * 90.0 / (10001750.0 * 65536.0 * 65536.0), 21.3, 1e-6);
    EXPECT_NEAR(static_cast<uint32_t>(heading) * 360.0 / 4294967296.0, 80, 1e-6);
    EXPECT_EQ(id, 11);
    EXPECT_STREQ(callsign, "N172SP");
    EXPECT_EQ(xplane, 0);

    fg.setDown(true);  // FlightGear stops
    std::this_thread::sleep_for(std::chrono::milliseconds(4500));
    client.QueueRead(0x0560, 8, &lat, result);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkTimeout);

    fg.setDown(false);  // and is back
    client.CloseLink();
    EXPECT_TRUE(testing::OpenLinkWithin(client, 6000));
    client.CloseLink();
    bridge.terminate();
}

// Nobody at the address, or a web server that is not FlightGear: the bridge says so at once.
TEST(FlightGearBridge, SaysAtOnceWhenFlightGearDoesNotAnswerOrSomethingElseDoes) {
    testing::PrivateRuntimeDir runtime;
    testing::VendorServer other;
    other.serve("/json/position", "<html>a router's page</html>");
    const std::pair<std::string, std::string> cases[] = {
        {"http://127.0.0.1:9", "FlightGear does not answer at http://127.0.0.1:9"},
        {other.baseUrl(), other.baseUrl() + " answers, but not as FlightGear's property server"}};
    for (const auto& [url, said] : cases) {
        const auto run =
            testing::RunProgram("/usr/bin/timeout", {"2", FLENMARK_FGBRIDGE_PATH, "--fg", url});
        EXPECT_NE(run.errors.find(said), std::string::npos) << run.errors;
    }
}

}  // namespace
}  // namespace flenmark
