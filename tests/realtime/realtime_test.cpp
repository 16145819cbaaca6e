#include <gtest/gtest.h>

#include <filesystem>

#include "app/flight_conversion.h"
#include "app/realtime_commands.h"
#include "kml/kml_templates.h"
#include "kml/kml_test_support.h"
#include "realtime/realtime_documents.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::Count;
using testing::LogLine;
using testing::ReadFile;
using testing::WriteFile;

class RealtimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.program.kmlTemplates = testing::CompactTemplates();
        TelemetrySnapshot& s = t.program.telemetry;
        s.LatText = "52,5";
        s.LonText = "4,25";
        s.AltText = "2000";
        s.AltAGLText = "1000";
        s.GndSpdText = "0";
        s.HDGText = "90,7";
        s.OnGround = 0;
        t.program.prev.AltText = "1980";
    }
    CameraView camera() { return BuildCameraDocument(SceneOf(t.program)); }
    testing::TestProgram t;
};

struct CameraCase {
    const char* name;
    bool chase;
    bool right;
    int onGround;
    const char* heading;
    const char* agl;
    const char* expectedHeading;
    const char* range;
    const char* tilt;
};

class CameraTest : public RealtimeTest, public ::testing::WithParamInterface<CameraCase> {};

TEST_P(CameraTest, HeadingRangeAndTilt) {
    const CameraCase& c = GetParam();
    t.program.realtime.ChaseView = c.chase;
    t.program.realtime.ViewFromRight = c.right;
    t.program.telemetry.OnGround = static_cast<int16_t>(c.onGround);
    t.program.telemetry.HDGText = c.heading;
    t.program.telemetry.AltAGLText = c.agl;
    const CameraView v = camera();
    EXPECT_EQ(v.heading, c.expectedHeading);
    EXPECT_EQ(v.range, c.range);
    EXPECT_EQ(v.tilt, c.tilt);
    EXPECT_EQ(v.document, std::string("<D Flenmark Realtime Chase View>(L 52.5 4.25 ") +
                              c.expectedHeading + " " + c.range + " " + c.tilt +
                              ")<StyleMap id=\"msn_ylw-p\"></D>");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Views, CameraTest, ::testing::Values(
    CameraCase{"ChaseLeft", true, false, 0, "90", "1000", "95", "1700", "70"},
    CameraCase{"ChaseRight", true, true, 0, "90,9", "1000", "85", "1700", "70"},
    CameraCase{"WrapPast360", true, false, 0, "358", "1000", "3", "1700", "70"},
    CameraCase{"WrapBelowZero", true, true, 0, "2", "1000", "357", "1700", "70"},
    CameraCase{"Exactly360Stays", true, false, 0, "355", "1000", "360", "1700", "70"},
    CameraCase{"OverviewMinimumRange", false, false, 0, "90", "100", "135", "2000", "45"},
    CameraCase{"OverviewRange", false, true, 0, "90", "250,5", "45", "2505", "45"},
    CameraCase{"GroundChase", true, true, 1, "90", "0", "90", "400", "60"},
    CameraCase{"GroundOverview", false, false, 1, "271,9", "0", "271", "400", "60"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(RealtimeTest, HeadWithoutThePushpinStyleMapFails) {
    t.program.kmlTemplates[Kml::Head] = "<D NAME>";
    EXPECT_THROW(camera(), TemplateError);
}

TEST_F(RealtimeTest, SectionHasTheAircraftAndItsPredictedPath) {
    t.program.telemetry.GndSpdText = "0";
    const std::string section = BuildRealtimeSection(SceneOf(t.program), "1700");
    EXPECT_EQ(
        section.rfind(
            "{F:Aircraft position Type>check<}<name>Your aircraft: alt=2000 spd=0 hdg=90</name>"
            "(A 52.5 4.25 52.5 4.25 90 1700 <altitudeMode>absolute</altitudeMode> "
            "<altitudeMode>absolute</altitudeMode> ,609.6)",
            0),
        0u)
        << section;
    // 20 ft climbed in the last tick, continued for 10 seconds: 200 ft higher.
    EXPECT_NE(section.find(
                  "[pp:<name>Predicted Flightpath</name> 4.25,52.5,609.6 4.25,52.5,670.56/]{/F}"),
              std::string::npos)
        << section;
    EXPECT_EQ(section.find("AI/Multiplayer traffic"), std::string::npos);  // TCAS off
    t.program.telemetry.OnGround = 1;  // standing still on the ground: a path of no length
    EXPECT_NE(BuildRealtimeSection(SceneOf(t.program), "400")
                  .find("[ppg:<name>Predicted Flightpath</name> 4.25,52.5 4.25,52.5/]"),
              std::string::npos);
}

TEST_F(RealtimeTest, TrafficLinesByClassWithRelativeAltitudes) {
    t.program.traffic.TCASMode = 4;
    // A callsign is any text: one holding every template word is shown as it is.
    const char* every =
        "NAME DESC LATX LONY HDG RANGE TILT LATAC LONAC ALTM KIAS SPDTAS GNDSPD VERTSPEED ALT "
        "ALTAGL TIME DATE DATETIME ENDDATETIME FILE1 FILE2";
    const char* below[] = {"1", "52.5", "4.25", "1750", "180", "0", every, "0"};
    const char* above[] = {"2", "52.9", "4.25", "3250", "180", "0", "HIGH", "0"};
    const char* damaged[] = {"3", "north", "4.25", "3250", "180", "0", "BAD", "0"};
    for (int c = 0; c < 8; ++c) {
        t.program.traffic.AITraffic.at(1, c) = below[c];
        t.program.traffic.AITraffic.at(2, c) = above[c];
        t.program.traffic.AITraffic.at(3, c) = damaged[c];
    }
    const std::string section = BuildRealtimeSection(SceneOf(t.program), "1");
    EXPECT_NE(section.find("[red:<name>Predicted Flightpath " + std::string(every) +
                           " ;Too close</name> 4.25,52.5,533.4 4.25,52.5,533.4/]"),
              std::string::npos)
        << section;
    EXPECT_NE(section.find("<name>" + std::string(every) + " -3</name>(EA AI/Online traffic: " +
                           every + " - 0 - 0 0 1750 - - - 4.25 52.5 533.4)"),
              std::string::npos)
        << section;
    // 24 NM away: not shown on the scope, still drawn in blue.
    EXPECT_NE(section.find("[blue:<name>Predicted Flightpath HIGH</name>"), std::string::npos);
    EXPECT_NE(section.find("<name>HIGH +12</name>"), std::string::npos);
    EXPECT_EQ(section.find("BAD"), std::string::npos);
}

// Logging that tracking switches on is a recording with its start line, like any other.
TEST_F(RealtimeTest, GenerateLinkStartsLoggingAndWritesTheLinkOnlyWhileConnected) {
    t.program.telemetry.VSText = "0";
    t.program.prev.HasReading = true;
    GenerateRealtimeLink(t.program);
    EXPECT_FALSE(t.program.Realtime);
    EXPECT_EQ(t.program.mainView.label7.text, "No open FS connection.");
    EXPECT_FALSE(std::filesystem::exists(t.dataPath("Flenmark Realtime.kml")));
    t.program.Connected = true;
    GenerateRealtimeLink(t.program);
    EXPECT_TRUE(t.program.Realtime && t.program.Logging);
    EXPECT_TRUE(t.program.mainView.btnSetChase && t.program.mainView.btnSetRight);
    EXPECT_EQ(
        ReadFile(t.dataPath("Flenmark Realtime.kml")),
        "(NL " + t.dataPath("Realtime.kml") + " " + t.dataPath("RealtimeLocation.kml") + ")\r\n");
    EXPECT_EQ(t.shell.opened, std::vector<std::string>{t.dataPath("Flenmark Realtime.kml")});
    EXPECT_EQ(Count(ReadFile(t.dataPath("Flightlog.txt")), ":SA:"), 1u);
}

TEST_F(RealtimeTest, ToggleTwiceLeavesRealtimeOffAndLoggingOn) {
    t.program.telemetry.VSText = "0";
    t.program.prev.HasReading = true;
    t.program.Connected = true;
    ToggleRealtime(t.program);
    EXPECT_TRUE(t.program.Realtime);
    ToggleRealtime(t.program);
    EXPECT_FALSE(t.program.Realtime || t.program.mainView.btnSetOverview);
    EXPECT_TRUE(t.program.Logging);
}

// Realtime.txt as the recorder keeps it: the log and the current sample. Whatever the cache
// keeps between ticks and puts into the history (here every four lines), the document must equal
// one made from scratch.
TEST_F(RealtimeTest, DocumentBuiltTickByTickEqualsOneBuiltAfresh) {
    t.program.realtime.kml = RealtimeKmlCache(4);
    std::vector<std::string> log;
    for (int i = 0; i < 30; ++i) {
        const std::string stamp =
            "200907121435" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        const std::string code = i == 0 || i == 20 ? "SA"
                                 : i == 7          ? "O"
                                 : i == 9          ? "OE"
                                 : i == 12         ? "TD=-100/1"
                                                   : "";
        log.push_back(LogLine(stamp, "4," + std::to_string(i), "52", std::to_string(i * 100),
                              i >= 12 && i < 25, code, i == 0 || i == 20 ? "-" : "x"));
    }
    const std::string realtimeTxt = t.dataPath("Realtime.txt");
    const std::string out = t.dataPath("Realtime.kml");
    std::string logText;
    for (size_t k = 0; k < log.size(); ++k) {
        WriteFile(realtimeTxt, logText + log[k] + "\r\n");  // the log so far plus this sample
        ASSERT_TRUE(ConvertLogToKml(t.program, realtimeTxt, out, "R", true, t.dataPath("cam.kml")));
        const std::string incremental = ReadFile(out);
        t.program.realtime.kml.reset();
        ASSERT_TRUE(ConvertLogToKml(t.program, realtimeTxt, out, "R", true, t.dataPath("cam.kml")));
        EXPECT_EQ(incremental, ReadFile(out)) << "after line " << k;
        if (k % 3 != 1) logText += log[k] + "\r\n";  // some samples are written to the log
    }
    EXPECT_NE(ReadFile(out).find("<href>RealtimeHistory/Track.kml</href>"), std::string::npos);
    // A reset log is read again from its start, and the history of the log before goes.
    WriteFile(realtimeTxt, log[0] + "\r\n");
    ASSERT_TRUE(ConvertLogToKml(t.program, realtimeTxt, out, "R", true, t.dataPath("cam.kml")));
    EXPECT_EQ(Count(ReadFile(out), "{F:FlightLog"), 1u);
    EXPECT_EQ(ReadFile(out).find("RealtimeHistory"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(t.dataPath("RealtimeHistory/Track1.kml")));
}

TEST_F(RealtimeTest, MissingOrEmptyRealtimeTextKeepsTheOldDocument) {
    WriteFile(t.dataPath("Realtime.kml"), "old");
    EXPECT_FALSE(ConvertLogToKml(t.program, t.dataPath("Realtime.txt"), t.dataPath("Realtime.kml"),
                                 "R", true, t.dataPath("c.kml")));
    WriteFile(t.dataPath("Realtime.txt"), "");
    EXPECT_FALSE(ConvertLogToKml(t.program, t.dataPath("Realtime.txt"), t.dataPath("Realtime.kml"),
                                 "R", true, t.dataPath("c.kml")));
    EXPECT_EQ(ReadFile(t.dataPath("Realtime.kml")), "old");
    EXPECT_EQ(t.program.mainView.label7.text, "Not able to convert flightlog");
}

}  // namespace
}  // namespace flenmark
