#include <gtest/gtest.h>

#include "base/settings.h"
#include "kml/kml_test_support.h"
#include "kml/replay_parts.h"

namespace flenmark {
namespace {

using testing::CompactTemplates;
using testing::Count;
using testing::LogLine;

const KmlTemplateSet kT = CompactTemplates();
const Settings kS;

std::string Frames(const std::vector<std::string>& animation, const std::vector<std::string>& log) {
    std::string out;
    AnimationFramesKml(kT, kS, animation, log, out);
    return out;
}

std::string Traffic(const Settings& s, const std::vector<std::string>& lines) {
    std::string out;
    TrafficKml(kT, s, lines, out);
    return out;
}

std::string L(const char* stamp, const char* lon, const char* alt, int ground, const char* code) {
    return LogLine(stamp, lon, lon, alt, ground, code, "x");
}

struct FrameCase {
    const char* name;
    std::vector<std::string> animation, log;
    std::vector<std::string> expected;  // pieces of the frames, in order
};

class AnimationFramesTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(AnimationFramesTest, HoldTheirPieces) {
    const std::string frames = Frames(GetParam().animation, GetParam().log);
    size_t at = 0;
    for (const std::string& piece : GetParam().expected) {
        at = frames.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece << "\nin " << frames;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AnimationFramesTest, ::testing::Values(
    // A frame shows from its own second until the next one begins; the last one, one before a
    // frame of the same second and one before a new recording run show for their own second.
    FrameCase{"Spans", {L("20090712143507", "4", "1000", 0, ""), L("20090712143509", "4", "1000", 0, ""), L("20090712143509", "4", "1000", 0, ""),
                        L("20090712143510", "4", "1000", 0, ""), L("20090712143530", "4", "1000", 0, "SA"), L("20090712143531", "4", "1000", 0, "")},
              {L("20090712143500", "4", "1000", 0, "SA")},
              {"<name>2009-07-12 14:35:07z</name><TimeSpan><begin>2009-07-12T14:35:07Z</begin><end>2009-07-12T14:35:09Z</end>",
               "<begin>2009-07-12T14:35:09Z</begin><end>2009-07-12T14:35:09Z</end>",
               "<begin>2009-07-12T14:35:09Z</begin><end>2009-07-12T14:35:10Z</end>",
               "<begin>2009-07-12T14:35:10Z</begin><end>2009-07-12T14:35:10Z</end>",
               "<begin>2009-07-12T14:35:30Z</begin><end>2009-07-12T14:35:31Z</end>",
               "<begin>2009-07-12T14:35:31Z</begin><end>2009-07-12T14:35:31Z</end>"}},
    FrameCase{"BeforeTheLogTheAircraftAlone", {L("20090712143507", "9", "0", 0, "")},
              {L("20090712150000", "1", "0", 0, "SA"), L("20090712150005", "2", "0", 0, "")},
              {"{F:FlightLog 12-07-2009 14:35 Type>check<}{/F}[pp:"}}),  // one point makes no line
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(EventPlacemarks, FolderIsOpenedEvenWhenTheFirstLineHasNoCode) {
    const std::string out =
        EventPlacemarksKml(kT, {LogLine("20090712143500", "1", "1", "0", 0, "", "x")});
    EXPECT_EQ(out.rfind("{F:Special placemarks", 0), 0u);
    EXPECT_EQ(Count(out, "{F:"), 1u);
}

TEST(TrafficReplay, DamagedLinesAreLeftOut) {
    Settings s;
    const std::string out = Traffic(s, {"2009071214355:1:52:4:1000:180:0:ABC:0:3:+2:x",
                                        "20090712143559:1:north:4:1000:180:0:ABC:0:3:+2:x",
                                        "20090712143600:1:52:4:1000:180:0:A<B:0:9:+2:x",
                                        "20090712143602::52:4:1000:180:0:GHI:0:1:+2:x"});
    EXPECT_EQ(Count(out, "[blue:"), 1u);
    EXPECT_EQ(out.find("GHI"), std::string::npos);  // no object id
    EXPECT_NE(out.find("A&lt;B"), std::string::npos);
}

// The aircraft of a second show from that second until the next traffic second begins, when it
// follows within a few seconds; otherwise, and the last, for their own second.
TEST(TrafficReplay, ASecondShowsUntilTheNextBegins) {
    const std::string out =
        Traffic(Settings{}, {"20090712143559:1:52:4:1000:0:0:A:0:1:+2:20090712143558",
                             "20090712143559:2:52:4:1000:0:0:B:0:1:+2:20090712143558",
                             "20090712143601:1:52:4:1000:0:0:A:0:1:+2:20090712143559",
                             "20090712143630:1:52:4:1000:0:0:A:0:1:+2:20090712143601"});
    const char* spans[] = {"<begin>2009-07-12T14:35:59Z</begin><end>2009-07-12T14:36:01Z</end>",
                           "<begin>2009-07-12T14:36:01Z</begin><end>2009-07-12T14:36:01Z</end>",
                           "<begin>2009-07-12T14:36:30Z</begin><end>2009-07-12T14:36:30Z</end>"};
    size_t at = 0;
    for (const char* span : spans) {
        at = out.find(span, at);
        ASSERT_NE(at, std::string::npos) << span << "\n" << out;
    }
    EXPECT_EQ(Count(out, "<TimeSpan>"), 3u);  // one folder a second
}

TEST(TrafficReplay, HeadingIsRoundedToTheNearestDegree) {
    // "Traffic.txt" keeps the heading turned by 180 degrees.
    const std::string out =
        Traffic(Settings{}, {"20090712143559:1:52:4:1000:59.996:0:ABC:0:3:+2:x"});
    EXPECT_NE(out.find("(EA AI/Online traffic: ABC - 240 -"), std::string::npos) << out;
}

}  // namespace
}  // namespace flenmark
