#include "recorder/animation_recorder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/recording.h"
#include "recorder/recorder_fixture.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::RecorderFixture;
using testing::WriteFile;

class AnimationRecorderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.p.Animation = true;
        f.p.recorder.AnimationStamp = "20090712115901";
        f.p.telemetry.AltText = "1000";
    }
    std::vector<std::string> frames() const {
        return testing::SplitLines(ReadFile(f.t.dataPath("Animation.txt")));
    }
    std::vector<std::string> traffic() const {
        return testing::SplitLines(ReadFile(f.t.dataPath("Traffic.txt")));
    }
    void addTraffic(int row, const char* alt) {
        AITrafficTable& table = f.p.traffic.AITraffic;
        const char* cells[] = {"1001", "52.31", "4.76", alt, "270", "250", "KLM12", "-500"};
        for (int c = 0; c < 8; ++c) table.at(row, c) = cells[c];
    }
    RecorderFixture f;
};

TEST_F(AnimationRecorderTest, FrameEndsWithThePreviousStampOrEmptyForAnEvent) {
    RecordAnimationFrame(f.p, "");
    ASSERT_EQ(frames().size(), 1u);
    EXPECT_EQ(frames()[0], "20090712115901:4.76:52.3:1000:0::150:4000:160:0:150:90:20090712115900");
    f.p.PrevTickStamp.clear();
    RecordAnimationFrame(f.p, "");
    EXPECT_EQ(frames()[1].substr(frames()[1].size() - 2), ":-");
    RecordAnimationFrame(f.p, "GD");  // an event frame ends with an empty field
    EXPECT_EQ(frames()[2], "20090712115901:4.76:52.3:1000:0:GD:150:4000:160:0:150:90:");
}

TEST_F(AnimationRecorderTest, ParkedWithoutEventWritesNoFrameOnceTheFileHasOne) {
    f.p.telemetry.GndSpdText = "0";
    RecordAnimationFrame(f.p, "");
    EXPECT_TRUE(frames().empty());  // an empty file gets no parked frame
    RecordAnimationFrame(f.p, "SA");
    RecordAnimationFrame(f.p, "");
    EXPECT_EQ(frames().size(), 1u);
    WriteFile(f.t.dataPath("Animation.txt"), "\r\n");
    RecordAnimationFrame(f.p, "");
    EXPECT_EQ(frames().size(), 2u);  // a first line that exists and is empty takes it
}

TEST_F(AnimationRecorderTest, CommaSystemWritesCommasInTheFrameAndPointsInTraffic) {
    f.p.telemetry.LonText = "4,76";
    f.p.telemetry.LatText = "52,3";
    f.p.traffic.TCASMode = kTcasAll;
    addTraffic(1, "1200.5");
    RecordAnimationFrame(f.p, "");
    EXPECT_EQ(frames()[0].substr(0, 25), "20090712115901:4,76:52,3:");
    ASSERT_EQ(traffic().size(), 1u);
    EXPECT_EQ(traffic()[0],
              "20090712115901:1001:52.31:4.76:1200.5:270:250:KLM12:-500:4:+2:20090712115900");
}

TEST_F(AnimationRecorderTest, TrafficIsRecordedWithTcasOnEvenWithoutAFrame) {
    f.p.telemetry.GndSpdText = "0";
    addTraffic(3, "1500");
    RecordAnimationFrame(f.p, "");
    EXPECT_FALSE(std::filesystem::exists(f.t.dataPath("Traffic.txt")));  // TCAS off
    f.p.traffic.TCASMode = kTcasAll;
    addTraffic(3, "1500");
    addTraffic(7, "900");
    f.p.traffic.AITraffic.at(5, 0) = "1005";  // no latitude: skipped
    RecordAnimationFrame(f.p, "");
    ASSERT_EQ(traffic().size(), 2u);
    EXPECT_NE(traffic()[1].find(":-1:"), std::string::npos);
}

TEST_F(AnimationRecorderTest, MalformedTrafficCellsDoNotStopTheRecording) {
    f.p.traffic.TCASMode = kTcasAll;
    addTraffic(1, "lots");
    f.p.traffic.AITraffic.at(1, 1) = "north";
    RecordAnimationFrame(f.p, "");
    EXPECT_EQ(traffic().size(), 1u);
    EXPECT_EQ(frames().size(), 1u);
}

struct RelAltCase {
    double traffic;
    double own;
    const char* text;
};

class RelativeAltitudeTest : public ::testing::TestWithParam<RelAltCase> {};

TEST_P(RelativeAltitudeTest, HundredsOfFeetWithASign) {
    EXPECT_EQ(RelativeAltitudeText(GetParam().traffic, GetParam().own), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, RelativeAltitudeTest,
                         ::testing::Values(RelAltCase{2234.5, 1000, "+12"}, RelAltCase{1234.5, 1000, "+2"},
                                           RelAltCase{950, 1000, "-1"}, RelAltCase{1000, 1000, "+0"},
                                           RelAltCase{700, 1000, "-3"}));

}  // namespace
}  // namespace flenmark
