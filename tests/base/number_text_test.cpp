#include "base/number_text.h"

#include <gtest/gtest.h>

namespace flenmark {
namespace {

struct TextCase {
    double value;
    const char* dot;
    const char* comma;
};

class NumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesFifteenSignificantDigitsWithTheSystemSeparator) {
    const TextCase& c = GetParam();
    EXPECT_EQ(NumberText(c.value, '.'), c.dot);
    EXPECT_EQ(NumberText(c.value, ','), c.comma);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(TextCase{0, "0", "0"}, TextCase{2.5, "2.5", "2,5"},
                      TextCase{-480.3, "-480.3", "-480,3"}, TextCase{1500, "1500", "1500"},
                      TextCase{52.30876500000123, "52.3087650000012", "52,3087650000012"},
                      TextCase{1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
                      TextCase{0.0001, "0.0001", "0,0001"}, TextCase{0.00001, "1E-05", "1E-05"},
                      TextCase{-1.25e-7, "-1.25E-07", "-1,25E-07"},
                      TextCase{123456789012345.0, "123456789012345", "123456789012345"},
                      TextCase{1e15, "1E+15", "1E+15"}, TextCase{359.99, "359.99", "359,99"}));

TEST(NumberText, SinglePrecisionUsesSevenDigits) {
    EXPECT_EQ(NumberText(static_cast<double>(0.1f), '.', 7), "0.1");
    EXPECT_EQ(NumberText(2.5, ',', 7), "2,5");
}

TEST(NumberText, RejectsValuesThatAreNotNumbers) {
    EXPECT_THROW(NumberText(std::numeric_limits<double>::quiet_NaN(), '.'), ConversionFault);
    EXPECT_THROW(NumberText(std::numeric_limits<double>::infinity(), '.'), ConversionFault);
}

TEST(PlainNumberText, NeverUsesAnExponent) {
    EXPECT_EQ(PlainNumberText(0.0000123456789, '.'), "0.0000123456789");
    EXPECT_EQ(PlainNumberText(-2e-5, ','), "-0,00002");
    EXPECT_EQ(PlainNumberText(1e15, '.'), "1000000000000000");
}

TEST(ParseNumber, AcceptsBothSeparatorsAndExponents) {
    EXPECT_DOUBLE_EQ(*ParseNumber("52,3087"), 52.3087);
    EXPECT_DOUBLE_EQ(*ParseNumber(" 52.3087 "), 52.3087);
    EXPECT_DOUBLE_EQ(*ParseNumber("1E-05"), 1e-5);
    EXPECT_DOUBLE_EQ(*ParseNumber("-12"), -12);
    EXPECT_DOUBLE_EQ(*ParseNumber("+3"), 3);
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("abc"));
    EXPECT_FALSE(ParseNumber("12abc"));
    EXPECT_EQ(NumericValue("junk"), 0.0);
}

TEST(IntAndRound, FollowTheirRoundingRules) {
    EXPECT_EQ(IntOf(-3.2), -4);
    EXPECT_EQ(IntOf(-0.5), -1);
    EXPECT_EQ(IntOf(359.9), 359);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(IntTextOf("-480,3"), "-481");
    EXPECT_THROW(IntOf(1e300), ConversionFault);
    EXPECT_THROW(RoundToInt16(32767.6), ConversionFault);
    EXPECT_EQ(RoundToInt16(-32768.4), -32768);
}

TEST(WholeDegreesText, RoundsToTheNearestDegreeOfTheCircle) {
    const std::pair<double, const char*> cases[] = {
        {359.6, "0"}, {239.996, "240"}, {359.4, "359"}, {360, "0"},
        {0.5, "1"},   {-0.4, "0"},      {-1.2, "359"},  {719.7, "0"}};
    for (const auto& [degrees, text] : cases) EXPECT_EQ(WholeDegreesText(degrees), text) << degrees;
    EXPECT_NO_THROW(WholeDegreesText(1e300));
    EXPECT_THROW(WholeDegreesText(std::numeric_limits<double>::infinity()), ConversionFault);
}

}  // namespace
}  // namespace flenmark
