#include "simlink/ai_traffic.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

#include "app/link_operations.h"
#include "platform/posix_ipc_transport.h"
#include "simlink/fsuipc_client.h"
#include "support/fakes.h"
#include "support/simhost_process.h"

namespace flenmark {
namespace {

using testing::TestProgram;

class GetAITest : public ::testing::Test {
  protected:
    void SetUp() override {
        int result = 0;
        t.link.OpenLink(0, result);
        t.program.Connected = true;
    }
    TestProgram t;
};

TEST_F(GetAITest, RangeIsWrittenOnceAfterAChange) {
    auto rangeWrites = [&] {
        return std::count(t.link.writes.begin(), t.link.writes.end(), kTrafficRangeOffset);
    };
    GetAI(t.program);
    EXPECT_EQ(rangeWrites(), 1);  // 20 differs from the 0 sent so far
    EXPECT_EQ(t.link.peek<uint8_t>(kTrafficRangeOffset), 20);
    GetAI(t.program);
    EXPECT_EQ(rangeWrites(), 1);
    t.program.traffic.TCASRange = 40;
    GetAI(t.program);
    GetAI(t.program);
    EXPECT_EQ(rangeWrites(), 2);
    EXPECT_EQ(t.link.peek<uint8_t>(kTrafficRangeOffset), 40);
    EXPECT_EQ(std::count(t.link.writes.begin(), t.link.writes.end(), kTrafficRefreshOffset), 4);
}

// The control bytes and the whole slot table go in one exchange, whatever the traffic.
TEST_F(GetAITest, OneExchangeAndEmptySlotsLeaveEmptyRows) {
    GetAI(t.program);
    EXPECT_EQ(t.link.exchanges, 1);
    EXPECT_EQ(t.program.traffic.AITraffic.at(0, 0), "ID\t");
    EXPECT_EQ(t.program.traffic.AITraffic.at(0, 6), "Callsign\t");
    for (int row = 1; row <= 40; ++row) EXPECT_FALSE(t.program.traffic.AITraffic.occupied(row));
}

TEST_F(GetAITest, FailedExchangeLosesTheLinkButKeepsAnimation) {
    t.program.Animation = t.program.Logging = true;
    t.link.failAfterExchanges = 0;
    GetAI(t.program);
    EXPECT_FALSE(t.program.Connected);
    EXPECT_FALSE(t.program.Logging);
    EXPECT_TRUE(t.program.Animation);
    EXPECT_EQ(t.program.mainView.label7.text, "Connection to FS timed out.");
}

struct ClassCase {
    const char* name;
    int16_t mode;
    double distanceNm;
    double relativeFt;
    int16_t cls;
};

class ClassifyTrafficTest : public ::testing::TestWithParam<ClassCase> {};

// Own aircraft at 52 N 4 E, 5000 ft; targets due north at the given distance.
TEST_P(ClassifyTrafficTest, BandAndClassEdges) {
    const ClassCase& c = GetParam();
    TestProgram t;
    t.program.telemetry.LatText = "52";
    t.program.telemetry.LonText = "4";
    t.program.telemetry.AltText = "5000";
    t.program.traffic.TCASMode = c.mode;
    t.program.traffic.TCASRange = 20;
    // One degree of latitude is 60.1077 NM with this earth radius.
    const double lat = 52 + c.distanceNm / 60.1077;
    EXPECT_EQ(ClassifyTraffic(t.program, lat, 4, 5000 + c.relativeFt, "", "", ""), c.cls);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, ClassifyTrafficTest, ::testing::Values(
    ClassCase{"JustInsideRange", kTcasAll, 19.99, 0, 1}, ClassCase{"BeyondRange", kTcasAll, 20.01, 0, 0},
    ClassCase{"AboveBandTop", kTcasAbove, 10, 9900, 1}, ClassCase{"AboveBandTopPlusOne", kTcasAbove, 10, 9901, 0},
    ClassCase{"AboveBandBottom", kTcasAbove, 10, -2000, 1}, ClassCase{"AboveBandBottomMinusOne", kTcasAbove, 10, -2001, 0},
    ClassCase{"BelowBand", kTcasBelow, 10, -9900, 1}, ClassCase{"BelowBandTooHigh", kTcasBelow, 10, 2001, 0},
    ClassCase{"NormalBand", kTcasNormal, 10, 2001, 0}, ClassCase{"AllShowsEverything", kTcasAll, 10, 30000, 1},
    ClassCase{"Close3", kTcasAll, 1.9, 500, 4}, ClassCase{"Close3Above", kTcasAll, 1.9, 501, 3},
    ClassCase{"Close2", kTcasAll, 5, 2000, 2}, ClassCase{"Far", kTcasAll, 7, 0, 1}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(ClassifyTraffic, StoredOwnPositionIsUsedWhenGivenAndAnUnreadableOneIsClassZero) {
    TestProgram t;
    t.program.traffic.TCASMode = kTcasAll;
    EXPECT_EQ(ClassifyTraffic(t.program, 52, 4, 1000, "1000", "4", "52"), 4);
    EXPECT_EQ(ClassifyTraffic(t.program, 52, 4, 1000, "1000", "4", "52,1"), 1);  // 6.01 NM
    EXPECT_EQ(ClassifyTraffic(t.program, 52, 4, 1000, "", "", ""), 0);
    EXPECT_EQ(t.program.mainView.label7.text, "Error in drawing TCAS table.");
}

// Traffic slots filled through the host's timeline, read back over the real link.
TEST(GetAIOverTheLink, EmptyFullSpacedAndLongCallsigns) {
    testing::PrivateRuntimeDir runtime;
    char name[] = "/tmp/flenmark-traffic-XXXXXX";
    const int fd = mkstemp(name);
    std::string text;
    for (int slot = 0; slot < 40; ++slot) {
        if (slot == 7) continue;  // one empty slot
        text += "at 0 traffic " + std::to_string(slot) + " id=" + std::to_string(100 + slot) +
                " lat=52.5 lon=-4.25 alt=12000 hdg=90 gs=250 vs=-800 callsign=";
        text += slot == 3   ? "AB 123\n"
                : slot == 4 ? "ABCDEFGHIJKLMNOPQ\n"
                : slot == 5 ? "AB:12\n"  // a ":" would split the traffic log's line
                            : "KLM" + std::to_string(slot) + "\n";
    }
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(fd);
    testing::SimHostProcess host({"--scenario", name});
    ASSERT_TRUE(host.ready());
    PosixIpcTransport transport;
    FsuipcClient link(transport);
    TestProgram t;
    Program program(Services{t.clock, t.folders, t.dialogs, t.shell, t.ui, link});
    int result = 0;
    ASSERT_TRUE(link.OpenLink(0, result));
    program.Connected = true;
    program.traffic.AITraffic.at(8, 7) = "stale";
    GetAI(program);
    const AITrafficTable& table = program.traffic.AITraffic;
    EXPECT_EQ(table.at(1, 0), "100");
    // The aircraft fly on between the host's start and the read.
    EXPECT_NEAR(std::stod(table.at(1, 1)), 52.5, 0.001);
    EXPECT_NEAR(std::stod(table.at(1, 2)), -4.25, 0.01);
    EXPECT_NEAR(std::stod(table.at(1, 3)), 12000, 20);
    EXPECT_LE(table.at(1, 1).size(), 8u);  // 7 significant digits at most
    EXPECT_EQ(table.at(1, 4), "270");      // heading plus 180
    EXPECT_EQ(table.at(1, 5), "250");
    EXPECT_EQ(table.at(1, 7), "-800");
    EXPECT_EQ(table.at(1, 6), "KLM0");
    EXPECT_EQ(table.at(4, 6), "AB123");
    EXPECT_EQ(table.at(5, 6), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(table.at(6, 6), "AB12");
    EXPECT_FALSE(table.occupied(8));
    EXPECT_EQ(table.at(8, 1), "");
    EXPECT_EQ(table.at(8, 7), "stale");  // column 7 is not cleared
    EXPECT_TRUE(table.occupied(40));
    unlink(name);
}

}  // namespace
}  // namespace flenmark
