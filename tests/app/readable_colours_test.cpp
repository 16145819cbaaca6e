#include "app/readable_colours.h"

#include <gtest/gtest.h>

namespace flenmark {
namespace {

TEST(StatusColours, ReadAtFourAndAHalfToOneOnLightMiddleAndDarkBackgrounds) {
    const Rgb backgrounds[] = {{239, 239, 239}, {255, 255, 255}, {240, 240, 240}, {128, 128, 128},
                               {95, 95, 95},    {43, 43, 43},    {0, 0, 0}};
    for (const Rgb& background : backgrounds) {
        for (TextColour c : {TextColour::Black, TextColour::Red, TextColour::Green})
            EXPECT_GE(ContrastRatio(StatusTextColour(c, background), background), 4.5)
                << int(background.r) << " " << static_cast<int>(c);
        const Rgb red = StatusTextColour(TextColour::Red, background);
        const Rgb green = StatusTextColour(TextColour::Green, background);
        EXPECT_GT(red.r, red.g) << int(background.r);
        EXPECT_GT(green.g, green.r) << int(background.r);
    }
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21, 1e-9);
}

}  // namespace
}  // namespace flenmark
