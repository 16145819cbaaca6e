#include <gtest/gtest.h>

#include <cmath>

#include "app/link_operations.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::TestProgram;

class ReadTelemetryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        int result = 0;
        ASSERT_TRUE(t.link.OpenLink(0, result));
        t.program.Connected = true;
        t.program.PrevConnected = true;
        // A plausible approach: 52.3 N 4.76 E, 1234.5 ft, 140 kt IAS, descending.
        t.link.poke<int64_t>(0x0560, std::llround(52.3 * 10001750.0 * 65536.0 * 65536.0 / 90.0));
        t.link.poke<int64_t>(0x0568, static_cast<int64_t>(4.76 / 360.0 * 18446744073709551616.0));
        t.link.poke<int64_t>(0x0570, std::llround(1234.5 / 3.28084 * 4294967296.0));
        t.link.poke<int32_t>(0x02B4, 65536 * 72);
        t.link.poke<int32_t>(0x0580, 1 << 30);
        t.link.poke<uint16_t>(0x0366, 0);
        t.link.poke<int32_t>(0x02C8, -512);
        t.link.poke<int32_t>(0x0020, std::lround(34.5 / 3.28084 * 256));
        t.link.poke<int32_t>(0x0BEC, 16383);
        t.link.poke<int32_t>(0x0BDC, 16383 / 2);
        t.link.poke<int32_t>(0x02BC, 140 * 128);
        t.link.poke<int32_t>(0x02B8, 150 * 128 + 64);
        t.link.poke<double>(0x3BA0, 1.0);
        t.link.poke<uint8_t>(0x036D, 1);
        t.link.poke<uint16_t>(0x0BB0, 1);
        t.link.poke<uint8_t>(0x0C48, 10);
        t.link.poke<uint8_t>(0x0C49, 0xF0);
        t.link.poke<uint8_t>(0x0C4C, 1);
        t.link.poke<uint8_t>(0x2F80, 3);
    }
    TestProgram t;
};

TEST_F(ReadTelemetryTest, ReadsEveryFieldInOneExchange) {
    ReadTelemetry(t.program);
    const TelemetrySnapshot& s = t.program.telemetry;
    EXPECT_EQ(t.link.exchanges, 1);
    EXPECT_EQ(s.LatText.substr(0, 4), "52.3");
    EXPECT_EQ(s.LonText.substr(0, 4), "4.76");
    EXPECT_EQ(s.AltText, "1234");
    EXPECT_EQ(s.HDGText, "90");
    EXPECT_EQ(s.OnGround, 0);
    EXPECT_EQ(s.VSText, "-393.7008");
    EXPECT_EQ(s.AltAGLText.substr(0, 4), "1199");
    EXPECT_EQ(s.LastAirVSText, "-394");
    EXPECT_EQ(s.GearText, "1");
    EXPECT_EQ(s.FlapsPct, 50);
    EXPECT_DOUBLE_EQ(s.IAS, 140);
    EXPECT_DOUBLE_EQ(s.TAS, 150.5);
    EXPECT_EQ(s.Tailhook, 1);
    EXPECT_EQ(s.Overspeed, 1);
    EXPECT_EQ(s.OuterMarker, 1);
    EXPECT_TRUE(s.LocCaptured);
    EXPECT_EQ(s.GSNeedle, -16);
    EXPECT_EQ(s.GSState, 1);
    EXPECT_TRUE(s.GSAlive);
    EXPECT_EQ(s.Autobrake, 3);
    EXPECT_TRUE(t.program.Connected);
}

TEST_F(ReadTelemetryTest, CommaSystemWritesCommasIntoTheTexts) {
    t.program.DecimalSeparator = ',';
    ReadTelemetry(t.program);
    EXPECT_EQ(t.program.telemetry.LatText.substr(0, 4), "52,3");
    EXPECT_EQ(t.program.telemetry.VSText, "-393,7008");
    t.program.prev.OnGround = 1;  // the tick after standing on the ground
    ReadTelemetry(t.program);
    EXPECT_EQ(t.program.telemetry.VSText, "0");
}

TEST_F(ReadTelemetryTest, FailedExchangeLosesTheLinkAndKeepsTheOldValues) {
    t.program.telemetry.GearText = "old";
    t.program.Logging = t.program.Realtime = t.program.Animation = true;
    t.link.failAfterExchanges = 0;
    ReadTelemetry(t.program);
    EXPECT_FALSE(t.program.Connected || t.program.Logging || t.program.Realtime ||
                 t.program.Animation);
    EXPECT_EQ(t.program.telemetry.GearText, "old");
    EXPECT_EQ(t.program.mainView.label7.text, "Connection to FS timed out.");
    EXPECT_EQ(t.program.mainView.lblConnect.text, "Not connected");
}

TEST_F(ReadTelemetryTest, OverflowingVerticalSpeedStopsTheReadButKeepsTheLink) {
    t.link.poke<int32_t>(0x02C8, INT32_MAX / 59);
    t.program.telemetry.GearText = "old";
    ReadTelemetry(t.program);
    EXPECT_EQ(t.program.mainView.label7.text, "Unable to load FSUIPC offsets.");
    EXPECT_TRUE(t.program.Connected);
    EXPECT_EQ(t.program.telemetry.HDGText, "90");
    EXPECT_EQ(t.program.telemetry.GearText, "old");
}

TEST_F(ReadTelemetryTest, ExtremeRawValuesNeverCrash) {
    t.link.poke<int32_t>(0x0580, INT32_MIN);
    t.link.poke<int64_t>(0x0570, INT64_MIN);
    t.link.poke<int64_t>(0x0560, INT64_MAX);
    t.link.poke<int32_t>(0x0020, INT32_MAX);
    ReadTelemetry(t.program);
    EXPECT_EQ(t.program.telemetry.HDGText, "180");
    EXPECT_EQ(t.program.telemetry.AltAGLText, "0");
    EXPECT_LE(t.program.telemetry.LatText.size(), 20u);
}

}  // namespace
}  // namespace flenmark
