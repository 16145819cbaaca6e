#include "kml/event_table.h"

#include <gtest/gtest.h>

namespace flenmark {
namespace {

struct EventRow {
    const char* code;
    bool onGround;
    const char* name;
    const char* description;
    bool inAir;
    bool warning;
};

class EventTableTest : public ::testing::TestWithParam<EventRow> {};

TEST_P(EventTableTest, NameDescriptionAndMarks) {
    const EventRow& r = GetParam();
    const auto e = LookUpEvent(r.code, r.onGround);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->name, r.name);
    if (*r.description) {
        EXPECT_EQ(e->description, r.description);
    }
    EXPECT_EQ(e->inAir, r.inAir);
    EXPECT_EQ(e->warning, r.warning);
}

// The rows where the name, the text or the marks depend on the code's value or the ground.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, EventTableTest, ::testing::Values(
    EventRow{"SA", false, "Start log", "Event: You started logging at this point.", true, false},
    EventRow{"SA", true, "Start log", "", false, false},
    EventRow{"SA=1435", true, "Start log", "", false, false},
    EventRow{"OM", false, "OM", "Event: The aircraft passed the outer marker at this point.", true, false},
    EventRow{"IM", true, "IM", "", true, false},
    EventRow{"TO=0", false, "T/O", "Event: The aircraft took off at this point.<br>Autobrake was set to RTO.", false, false},
    EventRow{"TD=-250/3", true, "T/D VS: -250ft/m", "Event: The aircraft touched down at this point.<br>Nice touchdown!<br>The autobrake was set to 2.", false, false},
    EventRow{"FL=50", false, "Flaps 50%", "Event: You changed flaps to 50% out at this point.", true, false},
    EventRow{"SD", true, "Spoilers deployed", "", false, false},
    EventRow{"O", true, "Overspeed!!", "", false, true},
    EventRow{"O", false, "Overspeed!!", "", true, true},
    EventRow{"OE", false, "Recovered", "Event: You recovered from overspeed at this point.", true, true},
    EventRow{"S", true, "Stall!!", "", true, true}));
// clang-format on

struct RatingCase {
    double vs;
    const char* start;
};

class TouchdownRatingTest : public ::testing::TestWithParam<RatingCase> {};

TEST_P(TouchdownRatingTest, EachBoundBelongsToTheMilderText) {
    EXPECT_EQ(TouchdownRating(GetParam().vs).rfind(GetParam().start, 0), 0u)
        << TouchdownRating(GetParam().vs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bounds, TouchdownRatingTest, ::testing::Values(
    RatingCase{-601, "This touchdown was too hard"}, RatingCase{-600, "This was a pretty hard touchdown"},
    RatingCase{-301, "This was a pretty hard touchdown"}, RatingCase{-300, "Nice touchdown!"},
    RatingCase{-181, "Nice touchdown!"}, RatingCase{-180, "Now this is what you can call a 'kiss'"},
    RatingCase{0, "Now this is what you can call a 'kiss'"}));
// clang-format on

TEST(AutobrakeText, UnknownSettingsAreNamedAsSuch) {
    EXPECT_EQ(AutobrakeText("5"), "max");
    EXPECT_EQ(AutobrakeText("9"), "unknown (9)");
    EXPECT_EQ(AutobrakeText(""), "unknown ()");
}

}  // namespace
}  // namespace flenmark
